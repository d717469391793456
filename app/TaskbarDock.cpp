#include "app/TaskbarDock.h"

namespace {

bool Shows(const std::optional<sys::Rect>& r) {
  return r && r->Right > r->Left && r->Bottom > r->Top;
}

// The gauge's distance from the top and bottom of what it docks against.
constexpr int kInset = 2;
// Windows 11 draws its notification area (icons, quick settings, clock) in the XAML face at
// the right end: about six taskbar heights wide at any scale.
constexpr int kWindows11TrayHeights = 6;

}  // namespace

TaskbarWindows FindTaskbar(sys::Desktop& desktop) {
  TaskbarWindows found;
  const sys::WindowHandle bar = desktop.FindWindow("Shell_TrayWnd");
  if (!bar || !desktop.WindowVisible(bar) || !Shows(desktop.WindowRect(bar))) return found;
  found.Bar = bar;
  const sys::WindowHandle tray = desktop.FindChildWindow(bar, "TrayNotifyWnd");
  if (Shows(desktop.WindowRect(tray))) found.Tray = tray;
  found.Bridge = desktop.FindChildWindow(bar, "Windows.UI.Composition.DesktopWindowContentBridge");
  return found;
}

DockPlace DockedPlace(const sys::Rect& bar, const std::optional<sys::Rect>& tray, bool windows11,
                      bool inside, int width, int gap) {
  int right = tray ? tray->Left : bar.Right;
  if (!tray && windows11) right -= kWindows11TrayHeights * bar.Height();
  const sys::Rect& area = tray ? *tray : bar;
  // Inside, the place counts from the taskbar's corner; floating, from the screen's.
  DockPlace place;
  place.Left = right - width - gap - (inside ? bar.Left : 0);
  place.Top = kInset + (inside ? 0 : bar.Top);
  place.Room = area.Height() - 2 * kInset;
  return place;
}
