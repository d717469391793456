// The screen, cursor and top-level windows of the running desktop.
#pragma once
#include "system/Desktop.h"

namespace sys {

class Win32Desktop : public Desktop {
 public:
  int ScreenWidth() override;
  int ScreenHeight() override;
  Point CursorPos() override;
  WindowHandle ForegroundWindow() override;
  bool SetForegroundWindow(WindowHandle window) override;
  WindowHandle FindWindow(const std::string& className) override;
  WindowHandle FindChildWindow(WindowHandle parent, const std::string& className) override;
  std::optional<Rect> WindowRect(WindowHandle window) override;
  bool WindowVisible(WindowHandle window) override;
  unsigned RegisterShellMessage(const std::string& name) override;
};

}  // namespace sys
