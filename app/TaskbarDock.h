// The taskbar the indicator docks into in taskbar mode, and where in it the gauge goes.
#pragma once
#include <optional>

#include "system/Desktop.h"

// The taskbar's windows as found. A "Shell_TrayWnd" that is hidden or has an empty rectangle
// (Wine's desktop and some shell replacements keep one for tray icons) counts as none.
struct TaskbarWindows {
  sys::WindowHandle Bar = 0;
  // The notification area, only where it has a size: Windows 11 builds may keep an empty one.
  sys::WindowHandle Tray = 0;
  // Windows 11's face, a XAML island over the whole taskbar.
  sys::WindowHandle Bridge = 0;

  // Explorer's taskbar shows what is put inside it. One without a notification area or a
  // XAML face is another shell's (Wine's), which would not draw it.
  bool TakesChildren() const { return Bar && (Tray || Bridge); }
  bool operator==(const TaskbarWindows& o) const {
    return Bar == o.Bar && Tray == o.Tray && Bridge == o.Bridge;
  }
  bool operator!=(const TaskbarWindows& o) const { return !(*this == o); }
};

TaskbarWindows FindTaskbar(sys::Desktop& desktop);

// The docked gauge's place: its left and top inside the taskbar (inside) or on the screen
// (floating over it), and the height an auto-sized gauge fills.
struct DockPlace {
  int Left = 0;
  int Top = 0;
  int Room = 0;
};

// Left of the notification area (tray), gap pixels from it; without one, at the taskbar's
// right end less gap, and on Windows 11 (windows11: a XAML face) also less the part of the
// face that draws the notification area there. Rectangles are the screen's.
DockPlace DockedPlace(const sys::Rect& bar, const std::optional<sys::Rect>& tray, bool windows11,
                      bool inside, int width, int gap);
