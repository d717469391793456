#include "system/win32/Win32VersionInfo.h"

#include <cstring>
#include <vector>

#include "system/win32/LazyLibrary.h"
#include "system/win32/WinApi.h"

namespace sys {

namespace {

LazyLibrary version("version.dll");

std::array<std::uint16_t, 4> Parts(const VS_FIXEDFILEINFO& fixed) {
  return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
          HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS)};
}

// The running program's own version resource, read where the system has it mapped: every
// start and every save ask for it, and the version library stays out of the process.
std::optional<std::array<std::uint16_t, 4>> OwnVersion() {
  HRSRC res = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */);
  if (!res) return std::nullopt;
  HGLOBAL data = LoadResource(nullptr, res);
  const auto* bytes = data ? static_cast<const unsigned char*>(LockResource(data)) : nullptr;
  const DWORD size = SizeofResource(nullptr, res);
  if (!bytes) return std::nullopt;
  // The fixed part follows the block's header and its key, on a 32-bit boundary.
  for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, bytes + at, sizeof fixed);
    if (fixed.dwSignature == 0xFEEF04BDu) return Parts(fixed);
  }
  return std::nullopt;
}

bool IsOwnProgram(const std::string& path) {
  char own[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, own, MAX_PATH);
  return n > 0 && n < MAX_PATH && lstrcmpiA(own, path.c_str()) == 0;
}

}  // namespace

std::optional<std::array<std::uint16_t, 4>> Win32VersionInfo::FileVersion(const std::string& path) {
  if (IsOwnProgram(path)) return OwnVersion();
  auto infoSize = version.Get<decltype(GetFileVersionInfoSizeA)>("GetFileVersionInfoSizeA");
  auto info = version.Get<decltype(GetFileVersionInfoA)>("GetFileVersionInfoA");
  auto query = version.Get<decltype(VerQueryValueA)>("VerQueryValueA");
  if (!infoSize || !info || !query) return std::nullopt;
  DWORD ignored = 0;
  DWORD size = infoSize(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!info(path.c_str(), 0, size, data.data())) return std::nullopt;
  void* block = nullptr;
  UINT length = 0;
  if (!query(data.data(), "\\", &block, &length) || !block || length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
  if (fixed->dwSignature != 0xFEEF04BDu) return std::nullopt;
  return Parts(*fixed);
}

}  // namespace sys
