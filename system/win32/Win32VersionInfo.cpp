#include "system/win32/Win32VersionInfo.h"

#include <vector>

#include "system/win32/WinApi.h"

namespace sys {

std::optional<std::array<std::uint16_t, 4>> Win32VersionInfo::FileVersion(const std::string& path) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return std::nullopt;
  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", &block, &length) || !block ||
      length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
  if (fixed->dwSignature != 0xFEEF04BDu) return std::nullopt;
  return std::array<std::uint16_t, 4>{
      HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
      HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

}  // namespace sys
