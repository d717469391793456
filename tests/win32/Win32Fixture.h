// Shared by the win32 backend tests: a fresh win32 backend per test and window helpers.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/Ui.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/win32/WinApi.h"
#include "ui/win32/Win32Backend.h"

namespace win32test {

// Lets the windows handle what is queued (posted input, paint).
inline void Settle() { ui::Application().ProcessMessages(); }

// Handles this thread's messages until `holds` does; false when it still does not after
// `deadlineMs`. The deadline is generous: a loaded machine delivers late, and a condition
// that holds returns at once.
template <class Condition>
bool SettleUntil(Condition holds, DWORD deadlineMs = 30000) {
  const DWORD start = GetTickCount();
  for (;;) {
    Settle();
    if (holds()) return true;
    const DWORD spent = GetTickCount() - start;
    if (spent >= deadlineMs) return false;
    // Until something arrives, or a moment for what other processes do meanwhile.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, deadlineMs - spent),
                              QS_ALLINPUT);
  }
}

class Win32Ui : public testing::Test {
 protected:
  void SetUp() override { ui::win32::InstallWin32(); }
  void TearDown() override { ui::headless::Install(); }
};

inline HWND Hwnd(ui::TWinControl& control) { return reinterpret_cast<HWND>(control.Handle()); }

// The window that paints a windowless control (its parent's).
inline HWND HolderOf(ui::TControl& control) { return Hwnd(*control.Parent()); }

inline std::string ClassOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline LRESULT Send(HWND window, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  return SendMessageA(window, msg, wp, lp);
}

}  // namespace win32test
