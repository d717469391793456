#include <gtest/gtest.h>

#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32MonitorPower.h"
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
