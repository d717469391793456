// The tooltip control of one form: a tool for each windowed control and each windowless
// child rectangle whose control has ShowHint on and a non-empty Hint. The window is made
// only once armed (see FormPeer::ArmHints).
#pragma once
#include "ui/win32/WinApi.h"

#include "ui/Controls.h"

namespace ui::win32 {

class Tooltips {
 public:
  Tooltips() = default;
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // Rebuilds every tool of the form (made on first need, once armed).
  void Rebuild(TWinControl& form, HWND formWindow);
  void Arm() { armed_ = true; }
  bool Armed() const { return armed_; }
  // Hands the tips a mouse message they did not see themselves.
  void Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  void SetDelays(int initialMs, int autoPopMs);
  void Destroy();
  HWND Window() const { return window_; }
  int ToolCount() const;

 private:
  void AddTools(TWinControl& holder);
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  int initial_ = 500, autoPop_ = 2500;
  bool armed_ = false;
};

}  // namespace ui::win32
