// A file system held in memory: paths as the program writes them (either slash, letter case
// ignored as on Windows), files as byte strings, folders as names. For runs that must not
// touch the disk, such as the fuzz targets, which start the whole program thousands of
// times a second.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "system/FileLayer.h"

namespace sys {

class MemoryFileLayer : public FileLayer {
 public:
  // Puts a file (and the folders above it) in place.
  void Put(const std::string& path, const std::string& data);
  // The file's bytes, or nullopt.
  std::optional<std::string> Get(const std::string& path) const;
  std::size_t FileCount() const { return files_.size(); }
  // Removes every file and folder; what is written afterwards is newer than anything before.
  void Clear() {
    files_.clear();
    folders_.clear();
  }

  std::optional<std::string> ReadAll(const std::string& path) override;
  std::optional<FileInfo> Info(const std::string& path) override;
  std::vector<DirEntry> List(const std::string& pattern) override;
  bool CreateDir(const std::string& path) override;
  std::unique_ptr<FileWriter> Create(const std::string& path, CreateMode mode) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& target, const std::string& replacement) override;
  bool Delete(const std::string& path) override;
  FileError LastError() override { return error_; }
  std::string DeniedText() override { return "Access is denied"; }

 private:
  friend class MemoryWriter;
  struct File {
    std::string Name;  // as first written
    std::string Data;
    std::int64_t Modified = 0;
  };
  static std::string Key(const std::string& path);
  static std::string FolderOf(const std::string& key);
  bool FolderExists(const std::string& key) const;
  bool Fail(const std::string& text, bool exists = false);
  void Touch(File& f) { f.Modified = ++clock_; }

  std::map<std::string, File> files_;  // by Key()
  std::set<std::string> folders_;      // by Key()
  std::int64_t clock_ = 0;
  FileError error_;
};

}  // namespace sys
