// The file layer of the native build: backslashes become slashes, and the results follow
// what the Windows build reports (attributes, "." and ".." in listings, read-only files).
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/FileLayer.h"
#include "system/WildcardMatch.h"

namespace sys {

namespace {

std::string Native(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

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

bool IsReadOnlyMode(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

std::uint32_t AttributesOf(const struct stat& st, const std::string& name) {
  std::uint32_t attrs = S_ISDIR(st.st_mode) ? FileAttrDirectory : FileAttrArchive;
  if (IsReadOnlyMode(st.st_mode)) attrs |= FileAttrReadOnly;
  if (name.size() > 1 && name[0] == '.' && name != "..") attrs |= FileAttrHidden;
  return attrs;
}

std::string BaseName(const std::string& nativePath) {
  auto slash = nativePath.rfind('/');
  return slash == std::string::npos ? nativePath : nativePath.substr(slash + 1);
}

std::string FolderOf(const std::string& nativePath) {
  auto slash = nativePath.rfind('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : nativePath.substr(0, slash));
}

class PosixFileLayer;

class PosixWriter : public FileWriter {
 public:
  PosixWriter(PosixFileLayer& layer, int fd) : layer_(layer), fd_(fd) {}
  ~PosixWriter() override {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Write(const std::string& data) override;
  bool Truncate() override;
  bool Flush() override;
  bool Close() override;

 private:
  bool Fail();
  PosixFileLayer& layer_;
  int fd_;
  off_t position_ = 0;
};

class PosixFileLayer : public FileLayer {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    int fd = ::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> data = ReadFd(fd);
    ::close(fd);
    return data;
  }

  std::optional<FileInfo> Info(const std::string& path) override {
    const std::string p = Native(path);
    struct stat st;
    if (::stat(p.c_str(), &st) != 0) return std::nullopt;
    FileInfo info;
    info.Attributes = AttributesOf(st, BaseName(p));
    info.Stamp.Size = static_cast<std::uint64_t>(st.st_size);
    info.Stamp.ModifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return info;
  }

  std::vector<DirEntry> List(const std::string& pattern) override {
    std::string p = Native(pattern);
    auto slash = p.rfind('/');
    std::string dir = FolderOf(p);
    std::string mask = slash == std::string::npos ? p : p.substr(slash + 1);
    std::vector<DirEntry> out;
    if (mask.empty()) return out;
    Dir d(dir);
    if (!d.Get()) return out;
    while (dirent* e = ::readdir(d.Get())) {
      std::string name = e->d_name;
      if (!WildcardMatch(mask, name)) continue;
      struct stat st;
      const std::string full = dir + "/" + name;
      std::uint32_t attrs = FileAttrArchive;
      if (::stat(full.c_str(), &st) == 0 || ::lstat(full.c_str(), &st) == 0)
        attrs = AttributesOf(st, name);
      out.push_back({name, attrs});
    }
    return out;
  }

  bool CreateDir(const std::string& path) override {
    const std::string p = Native(path);
    if (::mkdir(p.c_str(), 0777) == 0) return true;
    const int err = errno;
    struct stat st;
    if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;
    return Fail(err);
  }

  std::unique_ptr<FileWriter> Create(const std::string& path, CreateMode mode) override {
    int flags = O_WRONLY | O_CLOEXEC;
    if (mode == CreateMode::New) flags |= O_CREAT | O_EXCL;
    if (mode == CreateMode::Always) flags |= O_CREAT | O_TRUNC;
    const std::string p = Native(path);
    struct stat st;
    // Windows opens no folder for writing; neither does this build.
    if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      Fail(mode == CreateMode::New ? EEXIST : EACCES);
      return nullptr;
    }
    int fd = ::open(p.c_str(), flags, 0666);
    if (fd < 0) {
      Fail(errno);
      return nullptr;
    }
    return std::make_unique<PosixWriter>(*this, fd);
  }

  bool Rename(const std::string& from, const std::string& to) override {
    const std::string src = Native(from), dst = Native(to);
    struct stat st;
    if (::lstat(dst.c_str(), &st) == 0) return Fail(EEXIST);
    if (::lstat(src.c_str(), &st) != 0) return Fail(errno);
    return ::rename(src.c_str(), dst.c_str()) == 0 || Fail(errno);
  }

  bool Replace(const std::string& target, const std::string& replacement) override {
    const std::string dst = Native(target), src = Native(replacement);
    struct stat st;
    if (::stat(dst.c_str(), &st) != 0) return Fail(errno);
    // The target's permissions and owner go to the new file before it takes the name.
    if (::chmod(src.c_str(), st.st_mode & 07777) != 0) return Fail(errno);
    if (::geteuid() == 0 && ::chown(src.c_str(), st.st_uid, st.st_gid) != 0) return Fail(errno);
    if (::rename(src.c_str(), dst.c_str()) != 0) return Fail(errno);
    SyncFolder(FolderOf(dst));
    return true;
  }

  bool Delete(const std::string& path) override {
    std::string p = Native(path);
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR || Fail(errno);
    if (S_ISDIR(st.st_mode)) return Fail(EISDIR);  // DeleteFile removes no folders
    return ::unlink(p.c_str()) == 0 || Fail(errno);
  }

  FileError LastError() override { return error_; }
  std::string DeniedText() override { return std::strerror(EACCES); }

  bool Fail(int err) {
    error_.Text = std::strerror(err);
    error_.Exists = err == EEXIST;
    return false;
  }

 private:
  static std::optional<std::string> ReadFd(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[16384];
    for (;;) {
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (n == 0) break;
      data.append(buf, static_cast<std::size_t>(n));
    }
    return data;
  }

  static void SyncFolder(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the data itself is already on disk
    ::close(fd);
  }

  FileError error_;
};

bool PosixWriter::Fail() { return layer_.Fail(errno); }

bool PosixWriter::Write(const std::string& data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    ssize_t n = ::write(fd_, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail();
    }
    p += n;
    position_ += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

bool PosixWriter::Truncate() { return ::ftruncate(fd_, position_) == 0 || Fail(); }
bool PosixWriter::Flush() { return ::fsync(fd_) == 0 || Fail(); }

bool PosixWriter::Close() {
  if (fd_ < 0) return true;
  int rc = ::close(fd_);
  fd_ = -1;
  return rc == 0 || Fail();
}

}  // namespace

FileLayer& SystemFileLayer() {
  static PosixFileLayer layer;
  return layer;
}

}  // namespace sys
