#include "system/win32/Win32Environment.h"

#include <vector>

#include "system/win32/WinApi.h"

namespace sys {

namespace {
constexpr DWORD BufferSize = 1024;
}

std::string Win32Environment::ExePath() {
  std::vector<char> buffer(BufferSize);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    // A full buffer means the name was cut short.
    if (length < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Environment::TempPath() {
  std::vector<char> buffer(BufferSize);
  DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    // Longer than the usual buffer: the result is the size needed.
    buffer.resize(length + 1);
    length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) return {};
  }
  std::string path(buffer.data(), length);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

std::string Win32Environment::OemFromAnsi(const std::string& text) {
  if (text.empty()) return {};
  // Through UTF-16, as the system converts between code pages.
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  // A vector, not std::wstring: the wide string would bring its whole library part along.
  std::vector<wchar_t> utf16(static_cast<std::size_t>(wide));
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), utf16.data(), wide);
  const int length =
      WideCharToMultiByte(CP_OEMCP, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string oem(std::size_t(length), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, utf16.data(), wide, &oem[0], length, nullptr, nullptr);
  return oem;
}

}  // namespace sys
