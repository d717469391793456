// Acting while a popup menu is open: TrackPopupMenu runs its own modal loop, which still
// dispatches thread timers, so the steps run one per timer tick; after the last one the menu
// is closed. Also the menu windows on the screen.
#pragma once
#include "ui/win32/WinApi.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/win32/Screenshot.h"

namespace menusteps {

using Step = std::function<void()>;

namespace detail {
inline std::vector<Step>& Steps() {
  static std::vector<Step> steps;
  return steps;
}
inline std::size_t& Next() {
  static std::size_t next = 0;
  return next;
}
inline void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  if (Next() < Steps().size()) {
    Steps()[Next()++]();
    return;
  }
  KillTimer(nullptr, id);
  EndMenu();
}
}  // namespace detail

// Runs open (which shows a menu and returns once it has closed) with the steps running
// every intervalMs while the menu is open.
inline void WhileOpen(const Step& open, std::vector<Step> steps, UINT intervalMs = 200) {
  detail::Steps() = std::move(steps);
  detail::Next() = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, intervalMs, detail::Tick);
  open();
  KillTimer(nullptr, timer);
  detail::Steps().clear();
}

// The menu windows shown now (the system's class "#32768"), the first one opened first.
inline std::vector<HWND> MenuWindows() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        char name[16] = {};
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(w))
          reinterpret_cast<std::vector<HWND>*>(p)->insert(
              reinterpret_cast<std::vector<HWND>*>(p)->begin(), w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

inline screenshot::Capture CaptureWindow(HWND window) {
  return screenshot::Window(reinterpret_cast<sys::WindowHandle>(window));
}

// The part of the screen that holds every menu window shown now, with a margin.
inline screenshot::Capture CaptureMenus(int margin = 8) {
  RECT all{0, 0, 0, 0};
  bool any = false;
  for (HWND w : MenuWindows()) {
    RECT r;
    GetWindowRect(w, &r);
    if (!any) all = r;
    UnionRect(&all, &all, &r);
    any = true;
  }
  if (!any) return {};
  const screenshot::Capture screen = screenshot::Screen();
  screenshot::Capture part;
  const int left = std::max(0, int(all.left) - margin), top = std::max(0, int(all.top) - margin);
  const int right = std::min(screen.Width, int(all.right) + margin);
  const int bottom = std::min(screen.Height, int(all.bottom) + margin);
  part.Width = right - left;
  part.Height = bottom - top;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) part.Pixels.push_back(screen.Pixel(x, y));
  return part;
}

}  // namespace menusteps
