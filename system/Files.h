// File operations on 8-bit (ANSI) paths. The program writes paths with backslashes; the
// native build maps them to slashes, the Windows build uses the A functions.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "system/Error.h"

namespace sys {

// Raised when a file cannot be written; the text follows the form library's wording:
// Cannot create file "<path>". <reason>
class FileCreateError : public Error {
 public:
  using Error::Error;
};

struct DirEntry {
  std::string Name;
  std::uint32_t Attributes = 0;  // FILE_ATTRIBUTE_* bits
};

constexpr std::uint32_t FileAttrReadOnly = 0x01;
constexpr std::uint32_t FileAttrHidden = 0x02;
constexpr std::uint32_t FileAttrSystem = 0x04;
constexpr std::uint32_t FileAttrVolume = 0x08;
constexpr std::uint32_t FileAttrDirectory = 0x10;
constexpr std::uint32_t FileAttrArchive = 0x20;
constexpr std::uint32_t FileAttrNormal = 0x80;
constexpr std::uint32_t FileAttrCompressed = 0x800;
constexpr std::uint32_t FileAttrNotContentIndexed = 0x2000;
constexpr std::uint32_t FileAttrEncrypted = 0x4000;

// Size and modification time, to tell whether a file changed since it was read.
struct FileStamp {
  std::uint64_t Size = 0;
  std::int64_t ModifiedNs = 0;  // since 1970-01-01 UTC, like std::chrono::system_clock
  bool operator==(const FileStamp& o) const { return Size == o.Size && ModifiedNs == o.ModifiedNs; }
};

namespace files {

std::optional<std::string> ReadAll(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// True when the directory exists afterwards.
bool CreateDir(const std::string& path);
// True when the file is gone afterwards.
bool Delete(const std::string& path);
// Fails when to exists.
bool Rename(const std::string& from, const std::string& to);
// Writes data to a new file (replacing an existing one); throws FileCreateError.
void Write(const std::string& path, const std::string& data);
// Writes data to a temporary file beside path, then replaces path with it in one step,
// keeping the file's attributes and permissions. Where no file can be made beside it but
// path itself may be written, path is rewritten in place, and put back as it was when that
// fails. Throws FileCreateError when any step fails; path then keeps its previous content.
// A read-only file or a folder is never replaced.
void WriteReplacing(const std::string& path, const std::string& data);
std::optional<FileStamp> Stamp(const std::string& path);
// Entries matching a pattern such as "C:\prog\language\*.lng" (FindFirstFile rules:
// "*" and "?" in the last component), in the order the system lists them.
std::vector<DirEntry> List(const std::string& pattern);

}  // namespace files
}  // namespace sys
