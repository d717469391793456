// Answers "OK" to every dialog box of this process while it lives: the shell reports a file
// it cannot start in a box of its own, which would otherwise wait for a user forever.
#pragma once
#include <atomic>
#include <thread>

#include "system/win32/WinApi.h"

class DialogCloser {
 public:
  DialogCloser() : thread_([this] { Run(); }) {}
  ~DialogCloser() {
    stop_ = true;
    thread_.join();
  }
  DialogCloser(const DialogCloser&) = delete;
  DialogCloser& operator=(const DialogCloser&) = delete;

  int Closed() const { return closed_; }

 private:
  void Run() {
    while (!stop_) {
      EnumWindows(&DialogCloser::Visit, reinterpret_cast<LPARAM>(this));
      Sleep(50);
    }
  }
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (process == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
        lstrcmpA(name, "#32770") == 0) {
      PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
      ++reinterpret_cast<DialogCloser*>(self)->closed_;
    }
    return TRUE;
  }

  std::atomic<bool> stop_{false};
  std::atomic<int> closed_{0};
  std::thread thread_;
};
