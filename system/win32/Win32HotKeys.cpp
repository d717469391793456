#include "system/win32/Win32HotKeys.h"

#include <algorithm>

#include "system/win32/WinApi.h"

namespace sys {

Win32HotKeys::~Win32HotKeys() {
  for (const auto& [window, id] : registered_) UnregisterHotKey(reinterpret_cast<HWND>(window), id);
}

bool Win32HotKeys::Register(WindowHandle window, int id, unsigned modifiers, unsigned key) {
  if (!RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, key)) return false;
  registered_.emplace_back(window, id);
  return true;
}

bool Win32HotKeys::Unregister(WindowHandle window, int id) {
  bool ok = UnregisterHotKey(reinterpret_cast<HWND>(window), id) != FALSE;
  auto it = std::find(registered_.begin(), registered_.end(), std::make_pair(window, id));
  if (it != registered_.end()) registered_.erase(it);
  return ok;
}

}  // namespace sys
