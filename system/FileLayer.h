// The file system as a handful of primitive steps behind one interface. The operations that
// must not lose data (replacing a file whole, rewriting a log) are built once from these
// steps (system/Files.cpp), so every build runs the same sequence and a test can make any
// single step fail (system/fake/FaultyFileLayer.h).
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/Files.h"

namespace sys {

// The steps that change something on disk; each can fail on its own.
enum class FileOp { Create, Write, Truncate, Flush, Close, Rename, Replace, Delete, CreateDir };
const char* FileOpName(FileOp op);

// Why the last step failed: the system's words, and whether the name was already taken.
struct FileError {
  std::string Text;
  bool Exists = false;
};

enum class CreateMode {
  New,       // a file that must not exist yet
  Always,    // a new file, or an existing one emptied
  Existing,  // an existing file, kept as it is, written from its start
};

struct FileInfo {
  std::uint32_t Attributes = 0;  // FILE_ATTRIBUTE_* bits
  FileStamp Stamp;
};

// A file open for writing. Each step reports success; the file closes when the object goes,
// but only Close() tells whether that worked.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool Write(const std::string& data) = 0;
  // The file ends where writing stands (after rewriting a longer file in place).
  virtual bool Truncate() = 0;
  // Through the system's caches onto the disk.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  virtual std::optional<FileInfo> Info(const std::string& path) = 0;
  // FindFirstFile rules, see files::List.
  virtual std::vector<DirEntry> List(const std::string& pattern) = 0;

  // True when the folder exists afterwards.
  virtual bool CreateDir(const std::string& path) = 0;
  // Null on failure (see LastError).
  virtual std::unique_ptr<FileWriter> Create(const std::string& path, CreateMode mode) = 0;
  // Fails when to exists.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Puts replacement in place of the existing target in one step; the target's attributes
  // and security (its permissions) stay those of the target. Both are untouched on failure.
  virtual bool Replace(const std::string& target, const std::string& replacement) = 0;
  // True when the file is gone afterwards (an absent file counts).
  virtual bool Delete(const std::string& path) = 0;

  // The reason for the last step that failed.
  virtual FileError LastError() = 0;
  // The system's words for "access denied", for refusals made above this layer.
  virtual std::string DeniedText() = 0;
};

// The running system's file layer.
FileLayer& SystemFileLayer();

namespace files {

// The layer every sys::files function goes through: the system's, unless a test put
// another in place.
FileLayer& Layer();

// Puts a layer in place for as long as it lives.
class ScopedLayer {
 public:
  explicit ScopedLayer(FileLayer& layer);
  ~ScopedLayer();
  ScopedLayer(const ScopedLayer&) = delete;
  ScopedLayer& operator=(const ScopedLayer&) = delete;

 private:
  FileLayer* previous_;
};

}  // namespace files
}  // namespace sys
