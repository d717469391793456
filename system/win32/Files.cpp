// The file layer over the ANSI functions of the Windows API.
#include "system/FileLayer.h"

#include <windows.h>

#include <vector>

namespace sys {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  HANDLE Get() const { return h_; }
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

// The system's text for an error code, without the trailing line break and full stop.
std::string ErrorText(DWORD code) {
  char buf[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, buf, sizeof buf, nullptr);
  std::string text(buf, n);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) text = "System error " + std::to_string(code);
  return text;
}

// The file's access list as a self-relative security descriptor; empty when unreadable.
std::vector<char> DaclOf(const std::string& path) {
  DWORD size = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  if (size == 0) return {};
  std::vector<char> sd(size);
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, sd.data(), size, &size)) return {};
  return sd;
}

// A replace that did not carry the old file's attributes and access list over (some
// systems' replace is a plain rename) gets them put back; where they came over, nothing
// is done.
void KeepAttributesAndDacl(const std::string& path, DWORD attrs, std::vector<char> dacl) {
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD now = GetFileAttributesA(path.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES && now != INVALID_FILE_ATTRIBUTES &&
      (now & kept) != (attrs & kept)) {
    const DWORD wanted = (now & ~kept) | (attrs & kept);
    SetFileAttributesA(path.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
  }
  if (!dacl.empty() && DaclOf(path) != dacl)
    SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, dacl.data());
}

class Win32FileLayer;

class Win32Writer : public FileWriter {
 public:
  Win32Writer(Win32FileLayer& layer, HANDLE h) : layer_(layer), h_(h) {}
  ~Win32Writer() override {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  bool Write(const std::string& data) override;
  bool Truncate() override;
  bool Flush() override;
  bool Close() override;

 private:
  bool Fail();
  Win32FileLayer& layer_;
  HANDLE h_;
};

class Win32FileLayer : public FileLayer {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> data = std::string();
    LARGE_INTEGER size;
    if (GetFileSizeEx(h, &size) && size.QuadPart > 0)
      data->reserve(static_cast<std::size_t>(size.QuadPart));
    char buf[16384];
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(h, buf, sizeof buf, &got, nullptr)) {
        data.reset();
        break;
      }
      if (got == 0) break;
      data->append(buf, got);
    }
    CloseHandle(h);
    return data;
  }

  std::optional<FileInfo> Info(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    FileInfo info;
    info.Attributes = data.dwFileAttributes;
    info.Stamp.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    std::uint64_t ticks = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                          data.ftLastWriteTime.dwLowDateTime;
    // 100-ns ticks since 1601 to nanoseconds since 1970, like the clocks of the C++ library.
    const std::int64_t kEpochDiff = 116444736000000000LL;
    info.Stamp.ModifiedNs = (static_cast<std::int64_t>(ticks) - kEpochDiff) * 100;
    return info;
  }

  std::vector<DirEntry> List(const std::string& pattern) override {
    std::vector<DirEntry> out;
    WIN32_FIND_DATAA fd;
    FindHandle h(FindFirstFileA(pattern.c_str(), &fd));
    if (!h.Valid()) return out;
    do {
      out.push_back({fd.cFileName, fd.dwFileAttributes});
    } while (FindNextFileA(h.Get(), &fd));
    return out;
  }

  bool CreateDir(const std::string& path) override {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    const DWORD err = GetLastError();
    DWORD a = GetFileAttributesA(path.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) return true;
    return Fail(err);
  }

  std::unique_ptr<FileWriter> Create(const std::string& path, CreateMode mode) override {
    const DWORD disposition = mode == CreateMode::New      ? CREATE_NEW
                              : mode == CreateMode::Always ? CREATE_ALWAYS
                                                           : OPEN_EXISTING;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      Fail(GetLastError());
      return nullptr;
    }
    return std::make_unique<Win32Writer>(*this, h);
  }

  bool Rename(const std::string& from, const std::string& to) override {
    return MoveFileA(from.c_str(), to.c_str()) || Fail(GetLastError());
  }

  bool Replace(const std::string& target, const std::string& replacement) override {
    const DWORD attrs = GetFileAttributesA(target.c_str());
    const std::vector<char> dacl = DaclOf(target);
    // The system's own replace keeps the target's attributes, security descriptor, creation
    // time and streams.
    if (ReplaceFileA(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
      KeepAttributesAndDacl(target, attrs, dacl);
      return true;
    }
    const DWORD err = GetLastError();
    // A volume that cannot replace (some network shares): a plain move over the target.
    if (err == ERROR_INVALID_FUNCTION || err == ERROR_NOT_SUPPORTED ||
        err == ERROR_CALL_NOT_IMPLEMENTED) {
      if (!MoveFileExA(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Fail(GetLastError());
      KeepAttributesAndDacl(target, attrs, dacl);
      return true;
    }
    return Fail(err);
  }

  bool Delete(const std::string& path) override {
    if (DeleteFileA(path.c_str())) return true;
    DWORD err = GetLastError();
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND || Fail(err);
  }

  FileError LastError() override { return error_; }
  std::string DeniedText() override { return ErrorText(ERROR_ACCESS_DENIED); }

  bool Fail(DWORD code) {
    error_.Text = ErrorText(code);
    error_.Exists = code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
    return false;
  }

 private:
  FileError error_;
};

bool Win32Writer::Fail() { return layer_.Fail(GetLastError()); }

bool Win32Writer::Write(const std::string& data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(h_, p, chunk, &written, nullptr)) return Fail();
    if (written == 0) return layer_.Fail(ERROR_WRITE_FAULT);
    p += written;
    left -= written;
  }
  return true;
}

bool Win32Writer::Truncate() { return SetEndOfFile(h_) || Fail(); }
bool Win32Writer::Flush() { return FlushFileBuffers(h_) || Fail(); }

bool Win32Writer::Close() {
  if (h_ == INVALID_HANDLE_VALUE) return true;
  BOOL ok = CloseHandle(h_);
  h_ = INVALID_HANDLE_VALUE;
  return ok || Fail();
}

}  // namespace

FileLayer& SystemFileLayer() {
  static Win32FileLayer layer;
  return layer;
}

}  // namespace sys
