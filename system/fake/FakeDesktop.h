// A desktop of made-up windows: a table of windows with class name, parent, rectangle and
// visibility. Class names match without regard to case, as window classes do on Windows.
#pragma once
#include <vector>
#include "system/Desktop.h"

namespace sys {

class FakeDesktop : public Desktop {
 public:
  struct Window {
    WindowHandle Handle = 0;
    WindowHandle Parent = 0;  // 0: a top-level window
    std::string ClassName;
    Rect Bounds;
    bool Visible = true;
  };
  // Windows 11's notification area, as builds differ: a "TrayNotifyWnd" with the rectangle
  // of the area that XAML draws, one with an empty rectangle, or none at all.
  enum class Windows11Tray { Sized, Empty, None };

  int ScreenWidth() override { return Width; }
  int ScreenHeight() override { return Height; }
  Point CursorPos() override { return Cursor; }
  WindowHandle ForegroundWindow() override { return Foreground; }
  bool SetForegroundWindow(WindowHandle window) override;
  WindowHandle FindWindow(const std::string& className) override;
  WindowHandle FindChildWindow(WindowHandle parent, const std::string& className) override;
  std::optional<Rect> WindowRect(WindowHandle window) override;
  bool WindowVisible(WindowHandle window) override;
  unsigned RegisterShellMessage(const std::string& name) override;

  // Adds a window and returns its new handle.
  WindowHandle AddWindow(const std::string& className, const Rect& bounds, WindowHandle parent = 0);
  // Removes a window and its descendants.
  void RemoveWindow(WindowHandle window);
  // The window itself, or null.
  Window* Find(WindowHandle window);

  // The taskbar of a 1024x768 screen: "Shell_TrayWnd" along the bottom with its notification
  // area "TrayNotifyWnd" at the right end. Returns the notification area's handle.
  WindowHandle AddTaskbar();
  // Windows 11's taskbar of a 1024x768 screen, 48 pixels high: "Shell_TrayWnd" whose face is
  // a XAML island, a "Windows.UI.Composition.DesktopWindowContentBridge" over all of it, with
  // the notification area as tray says. Returns the taskbar's handle.
  WindowHandle AddWindows11Taskbar(Windows11Tray tray);

  int Width = 1024;
  int Height = 768;
  Point Cursor;
  WindowHandle Foreground = 0;
  bool SetForegroundResult = true;  // on success the window becomes the foreground
  std::vector<WindowHandle> SetForegroundCalls;
  std::vector<Window> Windows;
  // Registered messages by name, numbered from 0xC000 as the system numbers them.
  std::vector<std::string> ShellMessages;

 private:
  WindowHandle FindIn(WindowHandle parent, const std::string& className) const;
  WindowHandle next_ = 0x10000;
};

}  // namespace sys
