// The tooltip control of one form: a tool for each windowed control and each windowless
// child rectangle whose control has ShowHint on and a non-empty Hint. The window is made
// only once armed (see FormPeer::ArmHints).
#pragma once
#include "ui/win32/WinApi.h"

#include "ui/Controls.h"
#include "ui/Scaling.h"
#include "ui/win32/Gdi.h"

namespace ui::win32 {

class Tooltips {
 public:
  Tooltips() = default;
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // Rebuilds every tool of the form (made on first need, once armed); the windowless parts'
  // rectangles at the form's scaling.
  void Rebuild(TWinControl& form, HWND formWindow, const Scaling& scaling);
  void Arm() { armed_ = true; }
  bool Armed() const { return armed_; }
  // Hands the tips a mouse message they did not see themselves.
  void Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  void SetDelays(int initialMs, int autoPopMs);
  // The tips' text in the system's font for the form's DPI.
  void SetDpi(int dpi);
  void Destroy();
  HWND Window() const { return window_; }
  int ToolCount() const;

 private:
  void AddTools(TWinControl& holder, const Scaling& scaling);
  void ApplyFont();
  HWND window_ = nullptr;
  Font font_;  // only on a monitor whose DPI is not the system's
  int dpi_ = kDesignDpi;
  HWND owner_ = nullptr;
  int initial_ = 500, autoPop_ = 2500;
  bool armed_ = false;
};

}  // namespace ui::win32
