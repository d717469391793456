// A hidden window of the test's own class that records the system commands it receives and
// does not act on them, and the registered messages (broadcasts) that reach it; the
// application's messages (WM_APP and up) it hands to OnApp.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "system/Types.h"
#include "system/win32/WinApi.h"

class TestWindow {
 public:
  static constexpr const char* ClassName = "QuontharyTestWindow";

  explicit TestWindow(RECT bounds = {10, 20, 210, 120}, HWND parent = nullptr) {
    static const bool registered = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = &TestWindow::Proc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = ClassName;
      return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    hwnd_ = CreateWindowExA(0, ClassName, "test", parent ? WS_CHILD : WS_POPUP, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                            parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }
  sys::WindowHandle Handle() const { return reinterpret_cast<sys::WindowHandle>(hwnd_); }
  // (wParam, lParam) of every WM_SYSCOMMAND.
  std::vector<std::pair<WPARAM, LPARAM>> SysCommands;
  // Every registered message (RegisterWindowMessage) it received.
  std::vector<UINT> RegisteredMessages;
  std::function<void(UINT)> OnApp;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_SYSCOMMAND && self) {
      self->SysCommands.emplace_back(wp, lp);
      return 0;
    }
    if (msg >= 0xC000 && msg <= 0xFFFF && self) self->RegisteredMessages.push_back(msg);
    if (msg >= WM_APP && msg < 0xC000 && self && self->OnApp) {
      self->OnApp(msg);
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
};
