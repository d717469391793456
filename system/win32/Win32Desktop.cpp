#include "system/win32/Win32Desktop.h"

#include "system/win32/WinApi.h"

namespace sys {

namespace {
HWND AsHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle AsHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
}  // namespace

int Win32Desktop::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

Point Win32Desktop::CursorPos() {
  POINT point{};
  if (!GetCursorPos(&point)) return {};
  return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

WindowHandle Win32Desktop::ForegroundWindow() { return AsHandle(GetForegroundWindow()); }

bool Win32Desktop::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(AsHwnd(window)) != FALSE;
}

WindowHandle Win32Desktop::FindWindow(const std::string& className) {
  return AsHandle(FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32Desktop::FindChildWindow(WindowHandle parent, const std::string& className) {
  return AsHandle(FindWindowExA(AsHwnd(parent), nullptr, className.c_str(), nullptr));
}

std::optional<Rect> Win32Desktop::WindowRect(WindowHandle window) {
  RECT rect{};
  if (!window || !GetWindowRect(AsHwnd(window), &rect)) return std::nullopt;
  return Rect{static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
              static_cast<int>(rect.bottom)};
}

bool Win32Desktop::WindowVisible(WindowHandle window) {
  return window && IsWindowVisible(AsHwnd(window)) != FALSE;
}

unsigned Win32Desktop::RegisterShellMessage(const std::string& name) {
  const UINT message = RegisterWindowMessageA(name.c_str());
  // Vista on: a program started with administrator rights hears the shell's broadcasts only
  // through the message filter. Looked up by name, since XP's user32 lacks the call.
  using Filter = BOOL(WINAPI*)(UINT, DWORD);
  constexpr DWORD kAllow = 1;  // MSGFLT_ADD
  if (message)
    if (auto allow = reinterpret_cast<Filter>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilter"))))
      allow(message, kAllow);
  return message;
}

}  // namespace sys
