// File operations through the ANSI functions of the Windows API.
#include "system/Files.h"

#include <windows.h>

namespace sys {
namespace files {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }
  HANDLE Get() const { return h_; }
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  bool Close() {
    if (!Valid()) return true;
    BOOL ok = CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok != FALSE;
  }

 private:
  HANDLE h_;
};

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

[[noreturn]] void ThrowCreate(const std::string& path, DWORD code) {
  throw FileCreateError("Cannot create file \"" + path + "\". " + ErrorText(code));
}

bool WriteFully(HANDLE h, const std::string& data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(h, p, chunk, &written, nullptr) || written == 0) return false;
    p += written;
    left -= written;
  }
  return true;
}

HANDLE CreateTempBeside(const std::string& target, std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath =
        target + ".~" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    HANDLE h = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::optional<std::string> ReadAll(const std::string& path) {
  Handle h(CreateFileA(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.Valid()) return std::nullopt;
  std::string data;
  LARGE_INTEGER size;
  if (GetFileSizeEx(h.Get(), &size) && size.QuadPart > 0) {
    data.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char buf[16384];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(h.Get(), buf, sizeof buf, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    data.append(buf, got);
  }
  return data;
}

bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const std::string& path) {
  CreateDirectoryA(path.c_str(), nullptr);
  return DirectoryExists(path);
}

bool Delete(const std::string& path) {
  if (DeleteFileA(path.c_str())) return true;
  DWORD err = GetLastError();
  return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
}

bool Rename(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

void Write(const std::string& path, const std::string& data) {
  Handle h(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.Valid()) ThrowCreate(path, GetLastError());
  if (!WriteFully(h.Get(), data)) ThrowCreate(path, GetLastError());
  if (!h.Close()) ThrowCreate(path, GetLastError());
}

void WriteReplacing(const std::string& path, const std::string& data) {
  // Windows refuses to replace a read-only file; some emulations do not, so ask first.
  DWORD attrs = GetFileAttributesA(path.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES &&
      (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    ThrowCreate(path, ERROR_ACCESS_DENIED);
  }
  std::string temp;
  Handle h(CreateTempBeside(path, temp));
  if (!h.Valid()) ThrowCreate(path, GetLastError());
  DWORD err = ERROR_SUCCESS;
  if (!WriteFully(h.Get(), data)) err = GetLastError();
  if (!err && !FlushFileBuffers(h.Get())) err = GetLastError();
  if (!h.Close() && !err) err = GetLastError();
  if (!err && !MoveFileExA(temp.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    err = GetLastError();
  }
  if (err) {
    DeleteFileA(temp.c_str());
    ThrowCreate(path, err);
  }
}

std::optional<FileStamp> Stamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info)) return std::nullopt;
  FileStamp s;
  s.Size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  std::uint64_t ticks = (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                        info.ftLastWriteTime.dwLowDateTime;
  // 100-ns ticks since 1601 to nanoseconds since 1970, like the clocks of the C++ library.
  const std::int64_t kEpochDiff = 116444736000000000LL;
  s.ModifiedNs = (static_cast<std::int64_t>(ticks) - kEpochDiff) * 100;
  return s;
}

std::vector<DirEntry> List(const std::string& pattern) {
  std::vector<DirEntry> out;
  WIN32_FIND_DATAA fd;
  FindHandle h(FindFirstFileA(pattern.c_str(), &fd));
  if (!h.Valid()) return out;
  do {
    out.push_back({fd.cFileName, fd.dwFileAttributes});
  } while (FindNextFileA(h.Get(), &fd));
  return out;
}

}  // namespace files
}  // namespace sys
