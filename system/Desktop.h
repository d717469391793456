// The screen, the cursor, the foreground window, window lookup by class, and the messages the
// shell broadcasts.
#pragma once
#include <optional>
#include <string>
#include "system/Types.h"

namespace sys {

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  virtual Point CursorPos() = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  // FindWindow(className, null) and FindWindowEx(parent, null, className, null); 0 when none.
  virtual WindowHandle FindWindow(const std::string& className) = 0;
  virtual WindowHandle FindChildWindow(WindowHandle parent, const std::string& className) = 0;
  // Screen rectangle of a window; nullopt for a null or vanished window.
  virtual std::optional<Rect> WindowRect(WindowHandle window) = 0;
  // Whether the window and its parents are shown (IsWindowVisible); false for a vanished one.
  virtual bool WindowVisible(WindowHandle window) = 0;
  // The number of a registered message the shell broadcasts ("TaskbarCreated"), let through to
  // this process even when it runs with more rights than the shell (Vista's message filter).
  virtual unsigned RegisterShellMessage(const std::string& name) = 0;
};

}  // namespace sys
