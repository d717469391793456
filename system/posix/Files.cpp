// File operations for the native build: backslashes become slashes, and the results follow
// what the Windows build reports (attributes, "." and ".." in listings, read-only files).
#include "system/Files.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/WildcardMatch.h"

namespace sys {
namespace files {

namespace {

std::string Native(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes now and reports the result (a failing close may mean lost data).
  bool Close() {
    if (fd_ < 0) return true;
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
  }

 private:
  int fd_;
};

class Dir {
 public:
  explicit Dir(const std::string& path) : dir_(::opendir(path.c_str())) {}
  Dir(const Dir&) = delete;
  Dir& operator=(const Dir&) = delete;
  ~Dir() {
    if (dir_) ::closedir(dir_);
  }
  DIR* Get() const { return dir_; }

 private:
  DIR* dir_;
};

[[noreturn]] void ThrowCreate(const std::string& path, int err) {
  throw FileCreateError("Cannot create file \"" + path + "\". " + std::strerror(err));
}

bool WriteFully(int fd, const std::string& data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

bool IsReadOnlyMode(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

std::uint32_t AttributesOf(const std::string& path, const std::string& name) {
  struct stat st;
  std::uint32_t attrs = 0;
  if (::stat(path.c_str(), &st) == 0 || ::lstat(path.c_str(), &st) == 0) {
    attrs |= S_ISDIR(st.st_mode) ? FileAttrDirectory : FileAttrArchive;
    if (IsReadOnlyMode(st.st_mode)) attrs |= FileAttrReadOnly;
  } else {
    attrs |= FileAttrArchive;
  }
  if (name.size() > 1 && name[0] == '.' && name != "..") attrs |= FileAttrHidden;
  return attrs;
}

// Unique name beside the target, so that the final rename stays on one file system.
int CreateTempBeside(const std::string& target, std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target + ".~" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncDirectoryOf(const std::string& path) {
  auto slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());  // best effort: the data itself is already on disk
}

}  // namespace

std::optional<std::string> ReadAll(const std::string& path) {
  Fd fd(::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return std::nullopt;
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  std::string data;
  data.reserve(static_cast<std::size_t>(st.st_size));
  char buf[16384];
  for (;;) {
    ssize_t n = ::read(fd.Get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buf, static_cast<std::size_t>(n));
  }
  return data;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(Native(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path) {
  ::mkdir(Native(path).c_str(), 0777);
  return DirectoryExists(path);
}

bool Delete(const std::string& path) {
  std::string p = Native(path);
  struct stat st;
  if (::lstat(p.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
  if (S_ISDIR(st.st_mode)) return false;  // DeleteFile does not remove folders
  return ::unlink(p.c_str()) == 0;
}

bool Rename(const std::string& from, const std::string& to) {
  std::string src = Native(from);
  std::string dst = Native(to);
  struct stat st;
  if (::lstat(dst.c_str(), &st) == 0) return false;
  if (::lstat(src.c_str(), &st) != 0) return false;
  return ::rename(src.c_str(), dst.c_str()) == 0;
}

void Write(const std::string& path, const std::string& data) {
  std::string p = Native(path);
  Fd fd(::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.Valid()) ThrowCreate(path, errno);
  if (!WriteFully(fd.Get(), data)) ThrowCreate(path, errno);
  if (!fd.Close()) ThrowCreate(path, errno);
}

void WriteReplacing(const std::string& path, const std::string& data) {
  std::string target = Native(path);
  struct stat st;
  bool exists = ::stat(target.c_str(), &st) == 0;
  // Windows refuses to replace a read-only file or a folder; so does this build, which also
  // keeps root from silently overwriting a file marked read-only.
  if (exists && S_ISDIR(st.st_mode)) ThrowCreate(path, EISDIR);
  if (exists && IsReadOnlyMode(st.st_mode)) ThrowCreate(path, EACCES);

  std::string temp;
  Fd fd(CreateTempBeside(target, temp));
  if (!fd.Valid()) ThrowCreate(path, errno);
  int err = 0;
  if (exists && ::fchmod(fd.Get(), st.st_mode & 07777) != 0) err = errno;
  if (!err && !WriteFully(fd.Get(), data)) err = errno;
  if (!err && ::fsync(fd.Get()) != 0) err = errno;
  if (!fd.Close() && !err) err = errno;
  if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp.c_str());
    ThrowCreate(path, err);
  }
  SyncDirectoryOf(target);
}

std::optional<FileStamp> Stamp(const std::string& path) {
  struct stat st;
  if (::stat(Native(path).c_str(), &st) != 0) return std::nullopt;
  FileStamp s;
  s.Size = static_cast<std::uint64_t>(st.st_size);
  s.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return s;
}

std::vector<DirEntry> List(const std::string& pattern) {
  std::string p = Native(pattern);
  auto slash = p.rfind('/');
  std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : p.substr(0, slash));
  std::string mask = slash == std::string::npos ? p : p.substr(slash + 1);
  std::vector<DirEntry> out;
  if (mask.empty()) return out;
  Dir d(dir);
  if (!d.Get()) return out;
  while (dirent* e = ::readdir(d.Get())) {
    std::string name = e->d_name;
    if (!WildcardMatch(mask, name)) continue;
    out.push_back({name, AttributesOf(dir + "/" + name, name)});
  }
  return out;
}

}  // namespace files
}  // namespace sys
