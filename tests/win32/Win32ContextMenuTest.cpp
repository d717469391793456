// The real indicator's context menu, opened by a right click on its window: owner drawn with
// the program's look (side bar with its caption, the bold default item, "Move window" greyed
// in taskbar mode), with the mouse over an item; the screenshot goes to
// build/screenshots/context-menu.png.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <memory>

#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/MenuSteps.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;

class Win32ContextMenu : public Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    fake.Environment.Exe = sys::Win32Environment().TempPath() + "quonthary_menu\\Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    fake.PowerSource.Status = testing_support::OnBattery(64, 5025, 9000);
    // No about dialog of its own at the start: the menu is what this test is about.
    testing_support::SeenAboutDialog(fake);
  }
  void TearDown() override {
    owner.reset();
    Win32Ui::TearDown();
  }
  // Starts as the program does, in taskbar mode (the default).
  TFormQuonthary& Start() {
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    ui::Application().SetMainForm(owner.get());
    ui::Application().ShowWindow(ui::SW_Hide);
    owner->SetVisible(false);
    owner->Show();
    TFormQuonthary& f = *owner->Indicator;
    testing_support::UseFirstRunSettings(f);
    f.TimerTimer(&f);
    Settle();
    return f;
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, desktop,        fake.Clock,
                         fake.InternetSettings};
  std::unique_ptr<TFormQuontharyMain> owner;
};

TEST_F(Win32ContextMenu, RightClickOpensTheDecoratedMenu) {
  TFormQuonthary& f = Start();
  HWND window = Hwnd(f);
  ASSERT_TRUE(IsWindowVisible(window));
  ASSERT_FALSE(f.mnuMove.Enabled());  // taskbar mode
  screenshot::Capture menu, shot;
  RECT place{};
  menusteps::WhileOpen(
      [&] {
        const LPARAM at = MAKELPARAM(20, 6);
        Send(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
        Send(window, WM_RBUTTONUP, 0, at);
      },
      {[&] {
         // The mouse onto the third item ("Settings"), below the bar's right edge.
         const auto menus = menusteps::MenuWindows();
         if (menus.empty()) return;
         GetWindowRect(menus[0], &place);
         SetCursorPos(place.left + 60, place.top + 3 + 19 * 2 + 9);
       },
       [&] {
         const auto menus = menusteps::MenuWindows();
         if (menus.empty()) return;
         menu = menusteps::CaptureWindow(menus[0]);
         shot = menusteps::CaptureMenus(12);
       }});
  SetCursorPos(0, 0);
  ASSERT_FALSE(menu.Empty()) << "no menu window appeared";
  EXPECT_TRUE(shot.Scaled(2).SavePng("..\\screenshots\\context-menu.png"));
  EXPECT_TRUE(menusteps::MenuWindows().empty());

  // The bar: 25 pixels wide, no red and no blue (green fading to black), brightest at the
  // bottom right, carrying the white caption.
  auto bar = [](std::uint32_t p) { return (p & 0xFF00FF) == 0; };
  int left = -1;
  for (int x = 0; x < 8 && left < 0; ++x)
    if (bar(menu.Pixel(x, 6))) left = x;
  ASSERT_GE(left, 0);
  int width = 0;
  while (left + width < menu.Width && bar(menu.Pixel(left + width, 6))) ++width;
  EXPECT_EQ(width, 25);
  int bottom = menu.Height - 1;
  while (bottom > 0 && !bar(menu.Pixel(left + 24, bottom))) --bottom;
  EXPECT_GT((menu.Pixel(left + 24, bottom) >> 8) & 0xFF, 0xA0u);
  int white = 0;
  for (int y = 0; y < menu.Height; ++y)
    for (int x = left; x < left + 25; ++x) white += menu.Pixel(x, y) == 0xFFFFFF ? 1 : 0;
  EXPECT_GT(white, 60);
  // Right of the bar, the hovered item is highlighted in the system's colour.
  const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
  const std::uint32_t highlight =
      std::uint32_t(GetRValue(h)) << 16 | std::uint32_t(GetGValue(h)) << 8 | GetBValue(h);
  int lit = 0;
  for (int y = 0; y < menu.Height; ++y) lit += menu.Pixel(left + 30, y) == highlight ? 1 : 0;
  EXPECT_GE(lit, 12);
}

}  // namespace
