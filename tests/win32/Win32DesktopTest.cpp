#include <gtest/gtest.h>

#include <vector>

#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32MonitorPower.h"
#include "tests/win32/StandInTaskbar.h"
#include "tests/win32/TestWindow.h"

namespace {

TEST(Win32Desktop, ScreenAndMissingWindows) {
  sys::Win32Desktop desktop;
  EXPECT_GT(desktop.ScreenWidth(), 0);
  EXPECT_GT(desktop.ScreenHeight(), 0);
  EXPECT_EQ(desktop.FindWindow("QuontharyNoSuchWindowClass"), 0u);
  EXPECT_EQ(desktop.FindChildWindow(0, "QuontharyNoSuchWindowClass"), 0u);
  EXPECT_FALSE(desktop.WindowRect(0));
  desktop.CursorPos();  // must simply answer
}

TEST(Win32Desktop, FindsWindowsAndTheirRectangles) {
  TestWindow top(RECT{10, 20, 210, 120});
  ASSERT_TRUE(top.Hwnd());
  TestWindow child(RECT{5, 6, 55, 36}, top.Hwnd());
  ASSERT_TRUE(child.Hwnd());
  sys::Win32Desktop desktop;

  EXPECT_EQ(desktop.FindWindow(TestWindow::ClassName), top.Handle());
  EXPECT_EQ(desktop.FindChildWindow(top.Handle(), TestWindow::ClassName), child.Handle());
  EXPECT_EQ(desktop.WindowRect(top.Handle()), (sys::Rect{10, 20, 210, 120}));
  // A child's rectangle is in screen coordinates.
  EXPECT_EQ(desktop.WindowRect(child.Handle()), (sys::Rect{15, 26, 65, 56}));

  sys::WindowHandle gone = child.Handle();
  DestroyWindow(child.Hwnd());
  EXPECT_FALSE(desktop.WindowRect(gone));
}

TEST(Win32Desktop, ForegroundWindow) {
  TestWindow window;
  ASSERT_TRUE(window.Hwnd());
  ShowWindow(window.Hwnd(), SW_SHOWNORMAL);
  sys::Win32Desktop desktop;
  if (!desktop.SetForegroundWindow(window.Handle()))
    GTEST_SKIP() << "the desktop refuses to change the foreground window";
  EXPECT_EQ(desktop.ForegroundWindow(), window.Handle());
}

// The stand-in taskbar is the one the program finds, in each of its faces, and a restart
// announces itself as Explorer's does.
TEST(Win32Desktop, FindsTheStandInTaskbarAndHearsItsRestart) {
  using win32test::StandInTaskbar;
  sys::Win32Desktop desktop;
  TestWindow listener;
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  StandInTaskbar bar;
  ASSERT_TRUE(bar.Running());
  const HWND first = bar.Window();
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(desktop.FindWindow("Shell_TrayWnd"), sys::WindowHandle(first));
  EXPECT_EQ(desktop.WindowRect(sys::WindowHandle(first)),
            (sys::Rect{0, height - 40, width, height}));
  const sys::WindowHandle tray = desktop.FindChildWindow(sys::WindowHandle(first), "TrayNotifyWnd");
  EXPECT_EQ(tray, sys::WindowHandle(bar.NotificationArea()));
  EXPECT_EQ(desktop.WindowRect(tray), (sys::Rect{width - 160, height - 40, width, height}));
  EXPECT_NE(FindWindowExA(bar.NotificationArea(), nullptr, "TrayClockWClass", nullptr), nullptr);

  // Closed, it is gone; started again, a new taskbar says so to every top-level window.
  ASSERT_TRUE(bar.Close());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_NE(desktop.FindWindow("Shell_TrayWnd"), sys::WindowHandle(first));
  listener.RegisteredMessages.clear();
  ASSERT_TRUE(bar.Start());
  EXPECT_EQ(desktop.FindWindow("Shell_TrayWnd"), sys::WindowHandle(bar.Window()));
  MSG msg;
  for (int waited = 0; waited < 2000 && listener.RegisteredMessages.empty(); waited += 10) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  EXPECT_EQ(listener.RegisteredMessages, std::vector<UINT>{taskbarCreated});
  bar.Close();

  // Windows 11's face: the content bridge over all of it, raised on request.
  StandInTaskbar::Options win11;
  win11.Height = 48;
  win11.Windows11 = true;
  StandInTaskbar eleven(win11);
  ASSERT_TRUE(eleven.Running());
  EXPECT_EQ(desktop.WindowRect(sys::WindowHandle(eleven.Bridge())),
            (sys::Rect{0, height - 48, width, height}));
  SetWindowPos(eleven.NotificationArea(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(eleven.Window(), GW_CHILD), eleven.NotificationArea());
  eleven.RaiseBridge();
  EXPECT_EQ(GetWindow(eleven.Window(), GW_CHILD), eleven.Bridge());
  eleven.Close();

  // Hidden and zero-sized, still the one found.
  StandInTaskbar::Options hidden;
  hidden.Hidden = true;
  StandInTaskbar none(hidden);
  ASSERT_TRUE(none.Running());
  EXPECT_EQ(desktop.FindWindow("Shell_TrayWnd"), sys::WindowHandle(none.Window()));
  EXPECT_FALSE(IsWindowVisible(none.Window()));
  const RECT r = none.Rect();
  EXPECT_TRUE(IsRectEmpty(&r));
}

TEST(Win32MonitorPower, SendsTheSystemCommandToTheWindow) {
  TestWindow window;
  ASSERT_TRUE(window.Hwnd());
  sys::Win32MonitorPower monitor;
  monitor.SendMonitorPower(window.Handle(), 2);
  monitor.SendMonitorPower(window.Handle(), -1);
  ASSERT_EQ(window.SysCommands.size(), 2u);
  EXPECT_EQ(window.SysCommands[0], std::make_pair(WPARAM(SC_MONITORPOWER), LPARAM(2)));
  EXPECT_EQ(window.SysCommands[1], std::make_pair(WPARAM(SC_MONITORPOWER), LPARAM(-1)));

  // Input that wakes the display, and the pointer stays where it is.
  ASSERT_TRUE(SetCursorPos(200, 150));
  Sleep(20);  // the input clock counts in milliseconds
  LASTINPUTINFO before{sizeof(LASTINPUTINFO), 0}, after{sizeof(LASTINPUTINFO), 0};
  ASSERT_TRUE(GetLastInputInfo(&before));
  Sleep(20);
  monitor.MoveMouseInPlace();
  ASSERT_TRUE(GetLastInputInfo(&after));
  EXPECT_GT(after.dwTime, before.dwTime);
  POINT at{};
  GetCursorPos(&at);
  EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(200L, 150L));
}

}  // namespace
