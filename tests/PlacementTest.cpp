// Where the indicator sits on a whole start: the size scale and the window region, docking in
// the taskbar, showing and hiding in both modes, hiding while full, dragging, the first
// placement and the clamp to the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "dialogs/FormMsgBox.h"
#include "profiles/FormMessageChanger.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"

namespace {

using testing_support::IndicatorFixture;
using testing_support::OnBattery;
using testing_support::OnMains;
using testing_support::UseFirstRunSettings;

class Placement : public IndicatorFixture {
 protected:
  TFormQuonthary& StartInWindowMode() {
    Store("ShowInTaskBar", "0");
    Start();
    UseFirstRunSettings(Ind());
    return Ind();
  }
  TFormQuonthary& StartInTaskbarMode() {
    Start();
    UseFirstRunSettings(Ind());
    return Ind();
  }
  void Power(const sys::SystemPowerStatus& status) { fake.PowerSource.Status = status; }
  // Explorer ends: its taskbar goes, and with it every window inside it.
  void EndShell(sys::WindowHandle bar) {
    fake.Desktop.RemoveWindow(bar);
    if (Ind().ParentWindow() == bar) ui_->DestroyFromOutside(Ind());
  }
  // A new Explorer's broadcast, as the hidden owner form receives it.
  void AnnounceTaskbar() { owner->FormMessage(owner->TaskbarCreatedMessage, 0, 0); }
};

TEST_F(Placement, StartCutsTheWindowToTheGauge) {
  TFormQuonthary& f = StartInWindowMode();
  EXPECT_TRUE(f.mnuMove.Enabled());
  EXPECT_EQ(f.Width(), 50);
  // The connection mark keeps 3 px to the right edge of the cut window.
  EXPECT_EQ(f.ImageNoInternet.Left(), 39);
  EXPECT_EQ(f.ImageNoInternet.Top(), 1);
  EXPECT_TRUE(f.ExStyle() & ui::WS_EX_ToolWindow);
}

TEST_F(Placement, AHandEditedHugeSizeMakesTheGaugeScreenHighAtMost) {
  Store("BatteryHeight", "2147483647");
  Store("Top", "300");
  Store("ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  EXPECT_EQ(f.Height(), 768);
  EXPECT_EQ(f.ImageBatt.Height(), 768);
  EXPECT_LE(f.ImagePrRed.Height(), 768);
  // On the screen, not parked above it: what it saves is where it is.
  EXPECT_TRUE(f.IsShown());
  EXPECT_EQ(f.Top(), 0);
  f.SaveSettings();
  EXPECT_EQ(Stored("Top"), "0");
  // A negative size is no size.
  f.ApplyScale(-3.0f);
  EXPECT_EQ(f.ImageBatt.Height(), 0);
}

TEST_F(Placement, StepFiveMakesAFourteenPixelBattery) {
  TFormQuonthary& f = StartInWindowMode();
  f.Cfg.ShowDischargArrow = false;
  f.LabelState.SetCaption("FULL");
  f.ApplyScale(5 * 0.1f + 0.05f);
  EXPECT_EQ(f.Height(), 14);
  EXPECT_EQ(f.ImageBatt.Height(), 14);
  EXPECT_EQ(f.ImagePrRed.Height(), 13);
  EXPECT_EQ(f.ImagePrGreen.Height(), 13);
  EXPECT_EQ(f.ImagePrRed.Top(), 0);
  EXPECT_EQ(f.ImagePrGreen.Top(), 0);
  EXPECT_EQ(f.ArrowTop, 2);
  EXPECT_EQ(f.ImageCharging.Top(), 2);
  EXPECT_EQ(f.ImageDischarging.Top(), -98);
  EXPECT_EQ(f.ImageStatusCri.Top(), 1);
  EXPECT_EQ(f.ImageStatusLow.Top(), 100);
  EXPECT_EQ(f.LabelState.Top(), 1);
  ASSERT_LT(f.LabelTimeToEnd.Height(), 14);
  EXPECT_EQ(f.LabelTimeToEnd.Top(), 14 - f.LabelTimeToEnd.Height() - 1);

  const std::vector<sys::Rect> region{
      {0, 3, 49, 11}, {0, 4, 50, 10}, {1, 0, 47, 14}, {0, 1, 48, 13}};
  EXPECT_EQ(f.WindowRegion(), region);
}

TEST_F(Placement, LabelsCentreWhenTallerAndLeaveBelowThreeTenths) {
  TFormQuonthary& f = StartInWindowMode();
  f.ApplyScale(3 * 0.1f + 0.05f);
  EXPECT_EQ(f.Height(), 9);
  ASSERT_GE(f.LabelState.Height(), 9);
  EXPECT_EQ(f.LabelState.Top(), static_cast<int>(4.5 - f.LabelState.Height() * 0.5));
  EXPECT_EQ(f.LabelTimeToEnd.Top(), static_cast<int>(4.5 - f.LabelTimeToEnd.Height() * 0.5));
  EXPECT_GT(f.LabelState.Top() + f.LabelState.Height(), 0);  // still in sight

  f.ApplyScale(0.29f);
  EXPECT_EQ(f.Height(), 7);
  EXPECT_EQ(f.LabelState.Top(), -100);
  EXPECT_EQ(f.LabelTimeToEnd.Top(), -100);

  // The plug icon (on mains) measures against the window height before the call, so a new
  // size settles on the next one.
  f.Cfg.ShowACPlugIcon = true;
  f.ApplyScale(20 * 0.1f + 0.05f);
  EXPECT_EQ(f.Height(), 55);
  EXPECT_EQ(f.ImageACPlug.Top(), 7 - 14 + 1);
  EXPECT_TRUE(f.ImageACPlug.Visible());
  f.ApplyScale(20 * 0.1f + 0.05f);
  EXPECT_EQ(f.ImageACPlug.Top(), 55 - 14 + 1);
  EXPECT_EQ(f.LabelState.Top(), 1);
  EXPECT_EQ(f.LabelTimeToEnd.Top(), 55 - f.LabelTimeToEnd.Height() - 1);
  const int q = 55 / 4;
  EXPECT_EQ(f.WindowRegion().front(), (sys::Rect{0, q, 49, 55 - q}));
}

TEST_F(Placement, DocksLeftOfTheNotificationArea) {
  const auto bar = fake.Desktop.AddWindow("Shell_TrayWnd", {0, 738, 1024, 768});
  const auto tray = fake.Desktop.AddWindow("TrayNotifyWnd", {1000, 740, 1022, 769}, bar);
  TFormQuonthary& f = StartInTaskbarMode();
  EXPECT_FALSE(f.mnuMove.Enabled());
  EXPECT_FALSE(f.FloatsOverTaskbar);
  EXPECT_EQ(f.TaskbarWindow, bar);
  EXPECT_EQ(f.TrayNotifyWindow, tray);
  EXPECT_EQ(f.ParentWindow(), bar);
  EXPECT_EQ(f.Left(), 10000);  // until the first tick
  Tick();
  EXPECT_EQ(f.Left(), 930);
  EXPECT_EQ(f.Top(), 2);
  EXPECT_EQ(f.Height(), 14);

  // Auto height fits the notification area: 31 - 2 * 2 = all 27 pixels of the outline.
  f.Cfg.AutoHeightOnTaskBar = true;
  fake.Desktop.Find(tray)->Bounds = {990, 738, 1022, 769};
  Tick();
  EXPECT_EQ(f.Left(), 920);
  EXPECT_EQ(f.Height(), 27);
  EXPECT_EQ(f.ImageBatt.Height(), 27);

  // Scaling at every tick leaves the plug icon to the power source.
  f.Cfg.ShowACPlugIcon = true;
  Power(OnBattery(80));
  Tick();
  EXPECT_FALSE(f.ImageACPlug.Visible());
  Power(OnMains(80));
  Tick();
  EXPECT_TRUE(f.ImageACPlug.Visible());

  // A thin taskbar: no room for text.
  fake.Desktop.Find(tray)->Bounds = {990, 758, 1022, 769};
  Tick();
  EXPECT_LE(f.Height(), 7);
  EXPECT_EQ(f.LabelState.Top(), -100);

  // A skipped tick does not dock.
  f.DisplaySkipTicks = 1;
  fake.Desktop.Find(tray)->Bounds = {900, 738, 1022, 769};
  Tick();
  EXPECT_EQ(f.Left(), 920);
  Tick();
  EXPECT_EQ(f.Left(), 830);
}

TEST_F(Placement, WithoutANotificationAreaFloatsOverTheTaskbarEnd) {
  const auto bar = fake.Desktop.AddWindow("Shell_TrayWnd", {0, 740, 1024, 768});
  Start();
  TFormQuonthary& f = Ind();
  UseFirstRunSettings(f);
  EXPECT_EQ(f.TrayNotifyWindow, 0u);
  EXPECT_EQ(f.TaskbarWindow, bar);
  // Not inside the taskbar (such a shell would not draw it) but above it, whatever the
  // stay-on-top setting says.
  EXPECT_TRUE(f.FloatsOverTaskbar);
  EXPECT_EQ(f.ParentWindow(), 0u);
  EXPECT_FALSE(f.mnuMove.Enabled());
  f.ApplyWindowOptions(false);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
  Tick();
  EXPECT_EQ(f.Left(), 1024 - 50 - 20);
  EXPECT_EQ(f.Top(), 742);
  f.Cfg.AutoHeightOnTaskBar = true;
  Tick();
  EXPECT_NEAR(f.Height(), 24, 1);  // 28 - 2 * 2 of 27 pixels
  EXPECT_EQ(f.Top(), 742);

  // The taskbar goes away: the gauge is where window mode puts it, at the stored size.
  fake.Desktop.RemoveWindow(bar);
  Tick();
  EXPECT_TRUE(f.NoTaskbar);
  EXPECT_EQ(f.Height(), 14);
  EXPECT_EQ(f.Left(), 5);
  EXPECT_EQ(f.Top(), 768 - 14 - 33);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
}

TEST_F(Placement, WithoutAnyTaskbarTheGaugeStaysInSightOnTop) {
  // Taskbar mode on a desktop with no taskbar at all: nothing to dock into, so the window
  // keeps the first placement of window mode, on top, and keeps it tick after tick.
  TFormQuonthary& f = StartInTaskbarMode();
  EXPECT_EQ(f.TaskbarWindow, 0u);
  EXPECT_EQ(f.ParentWindow(), 0u);
  EXPECT_TRUE(f.NoTaskbar);
  EXPECT_FALSE(f.mnuMove.Enabled());  // still taskbar mode: no dragging
  Tick(3);
  EXPECT_EQ(f.Left(), 5);
  EXPECT_EQ(f.Top(), 768 - 14 - 33);
  EXPECT_TRUE(f.Visible());
  f.ApplyWindowOptions(false);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
  EXPECT_EQ(Stored("Left"), "<none>");  // taskbar mode saves no place
}

TEST_F(Placement, WithoutAnyTaskbarAStoredPlaceIsKeptOnTheScreen) {
  Store("Left", "2000");
  Store("Top", "300");
  TFormQuonthary& f = StartInTaskbarMode();
  Tick();
  EXPECT_EQ(f.Left(), 1024 - 50);
  EXPECT_EQ(f.Top(), 300);
  // Hidden for a full battery and shown again, it comes back to the same place.
  f.HideIndicator();
  EXPECT_FALSE(f.Visible());
  f.ShowIndicator();
  EXPECT_EQ(f.Left(), 1024 - 50);
  EXPECT_EQ(f.Top(), 300);
}

TEST_F(Placement, ARestartedShellGetsTheGaugeBackMadeAfresh) {
  sys::WindowHandle bar = fake.Desktop.AddWindow("Shell_TrayWnd", {0, 738, 1024, 768});
  fake.Desktop.AddWindow("TrayNotifyWnd", {1000, 740, 1022, 768}, bar);
  fake.Mixer.AddSpeakerControls();
  TFormQuonthary& f = StartInTaskbarMode();
  f.Cfg.StayOnTop = false;
  Tick();
  ASSERT_EQ(f.ParentWindow(), bar);
  const sys::WindowHandle first = f.Handle();

  // Gone with the taskbar: made afresh at the next tick, free, where window mode puts it.
  EndShell(bar);
  EXPECT_TRUE(f.WindowLost());
  Tick();
  EXPECT_FALSE(f.WindowLost());
  EXPECT_NE(f.Handle(), first);
  EXPECT_TRUE(f.NoTaskbar);
  EXPECT_EQ(f.ParentWindow(), 0u);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
  EXPECT_EQ(f.Left(), 5);
  EXPECT_EQ(f.Top(), 768 - 14 - 33);
  EXPECT_EQ(fake.Mixer.NotifyWindow, f.Handle());  // volume notices reach the new window

  // A new taskbar announces itself: docked at once, without waiting for a tick.
  fake.Desktop.AddTaskbar();
  bar = fake.Desktop.FindWindow("Shell_TrayWnd");
  AnnounceTaskbar();
  EXPECT_EQ(f.ParentWindow(), bar);
  EXPECT_EQ(f.Left(), 1024 - 150 - 50 - 20);
  EXPECT_EQ(f.Top(), 2);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::Normal);

  // The shell ends before a tick noticed: its broadcast alone makes the window again.
  const sys::WindowHandle second = f.Handle();
  EndShell(bar);
  fake.Desktop.AddTaskbar();
  bar = fake.Desktop.FindWindow("Shell_TrayWnd");
  AnnounceTaskbar();
  EXPECT_NE(f.Handle(), second);
  EXPECT_EQ(f.ParentWindow(), bar);
}

// Wine's desktop (and some shell replacements) keep a "Shell_TrayWnd" that shows nothing.
TEST_F(Placement, ATaskbarThatShowsNothingCountsAsNone) {
  for (const bool hidden : {true, false}) {
    SCOPED_TRACE(hidden ? "hidden" : "empty");
    const sys::WindowHandle bar = fake.Desktop.AddWindow(
        "Shell_TrayWnd", hidden ? sys::Rect{0, 738, 1024, 768} : sys::Rect{0, 0, 0, 0});
    fake.Desktop.Find(bar)->Visible = !hidden;
    fake.Desktop.AddWindow("TrayNotifyWnd", {1000, 740, 1022, 768}, bar);
    TFormQuonthary& f = StartInTaskbarMode();
    Tick();
    EXPECT_TRUE(f.NoTaskbar);
    EXPECT_EQ(f.ParentWindow(), 0u);
    EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
    EXPECT_EQ(f.Left(), 5);
    EXPECT_EQ(f.Top(), 768 - 14 - 33);

    // Shown and sized later: docked at the next tick.
    fake.Desktop.Find(bar)->Visible = true;
    fake.Desktop.Find(bar)->Bounds = {0, 738, 1024, 768};
    Tick();
    EXPECT_EQ(f.ParentWindow(), bar);
    EXPECT_EQ(f.Left(), 930);
    owner.reset();
    fake.Desktop.RemoveWindow(bar);
  }
}

TEST_F(Placement, OnTheWindows11TaskbarTheGaugeStaysAboveItsFace) {
  using Tray = sys::FakeDesktop::Windows11Tray;
  struct Case {
    Tray Kind;
    int Left;
  };
  // Left of a notification area with a size; else at the right end, less the part of the
  // face that draws the notification area (six taskbar heights) and the gap.
  for (const Case& c :
       {Case{Tray::Sized, 1024 - 240 - 50 - 20}, Case{Tray::Empty, 1024 - 6 * 48 - 50 - 20},
        Case{Tray::None, 1024 - 6 * 48 - 50 - 20}}) {
    SCOPED_TRACE(int(c.Kind));
    const sys::WindowHandle bar = fake.Desktop.AddWindows11Taskbar(c.Kind);
    TFormQuonthary& f = StartInTaskbarMode();
    f.Cfg.AutoHeightOnTaskBar = true;
    const int raised = ui_->RaiseCount(f);
    Tick(3);
    EXPECT_FALSE(f.FloatsOverTaskbar);
    EXPECT_EQ(f.ParentWindow(), bar);
    EXPECT_EQ(f.Left(), c.Left);
    EXPECT_EQ(f.Top(), 2);
    EXPECT_NEAR(f.Height(), 48 - 2 * 2, 1);
    // Explorer re-orders the taskbar's children: every dock puts the gauge back on top.
    EXPECT_EQ(ui_->RaiseCount(f), raised + 3);
    owner.reset();
    fake.Desktop.RemoveWindow(bar);
  }
}

// A taskbar on a second screen: inside, the place counts from its own corner.
TEST(DockedPlace, CountsFromTheTaskbarInsideAndFromTheScreenOver) {
  const sys::Rect bar{1024, 738, 2048, 768}, tray{2000, 738, 2048, 768};
  const DockPlace inside = DockedPlace(bar, tray, false, true, 50, 20);
  EXPECT_EQ(std::make_pair(inside.Left, inside.Top), std::make_pair(2000 - 70 - 1024, 2));
  const DockPlace over = DockedPlace(bar, std::nullopt, false, false, 50, 20);
  EXPECT_EQ(std::make_pair(over.Left, over.Top), std::make_pair(2048 - 70, 740));
  EXPECT_EQ(over.Room, 26);
}

TEST_F(Placement, WindowOptionsSetStyleAndClampedAlpha) {
  TFormQuonthary& f = StartInWindowMode();
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::StayOnTop);
  EXPECT_TRUE(f.ExStyle() & ui::WS_EX_Layered);
  EXPECT_EQ(f.LayeredAlpha(), 255);
  f.Cfg.Alpha = 200;
  f.Cfg.BatteryScale = 0.35f;
  f.ApplyWindowOptions(false);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::Normal);
  EXPECT_EQ(f.LayeredAlpha(), 200);
  EXPECT_EQ(f.Height(), 9);
  // Out-of-range values from a hand-edited store stay in range instead of wrapping.
  f.ApplyAlpha(256);
  EXPECT_EQ(f.LayeredAlpha(), 255);
  f.ApplyAlpha(-4);
  EXPECT_EQ(f.LayeredAlpha(), 0);
  // A system that refuses leaves the window opaque, and nobody is told.
  ui_->SetLayeredAlphaFails(true);
  f.ApplyAlpha(100);
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

TEST_F(Placement, FullBatteryBlinksFiveTicksThenHidesInWindowMode) {
  TFormQuonthary& f = StartInWindowMode();
  f.Cfg.HideWindowWhenFull = true;
  f.SetBounds(300, 500, f.Width(), f.Height());
  fake.Desktop.Foreground = 0x777;
  Power(OnMains(100, false));
  std::vector<int> tops;
  for (int i = 0; i < 8; ++i) {
    Tick();
    tops.push_back(f.Top());
    EXPECT_TRUE(f.Visible());  // parked, not hidden from the window system
  }
  EXPECT_EQ(tops, (std::vector<int>{-4500, 500, -4500, 500, -4500, -4500, -4500, -4500}));
  EXPECT_FALSE(f.IsShown());
  // Coming back it was raised without taking the focus.
  ASSERT_GE(fake.Desktop.SetForegroundCalls.size(), 2u);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[0], f.Handle());
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[1], 0x777u);
  EXPECT_EQ(fake.Desktop.Foreground, 0x777u);

  // Unplugged: back at once.
  Power(OnBattery(100));
  Tick();
  EXPECT_EQ(f.Top(), 500);
  EXPECT_EQ(f.FullBlinkCount, 0);
  // Full again: the blinking starts over.
  Power(OnMains(100, false));
  Tick();
  EXPECT_EQ(f.Top(), -4500);
  Tick();
  EXPECT_EQ(f.Top(), 500);
}

TEST_F(Placement, FullBatteryHidesTheWindowInTaskbarMode) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = StartInTaskbarMode();
  f.Cfg.HideWindowWhenFull = true;
  Power(OnMains(100, false));
  std::vector<bool> shown;
  for (int i = 0; i < 7; ++i) {
    Tick();
    shown.push_back(f.Visible());
  }
  EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true, false, false, false}));
  EXPECT_EQ(f.Top(), 2);  // hidden where it is
  // No battery at all: shown, the count starts over.
  Power(testing_support::NoBattery());
  Tick();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.FullBlinkCount, 0);
  // The setting off: a full battery stays in sight.
  f.Cfg.HideWindowWhenFull = false;
  Power(OnMains(100, false));
  Tick(3);
  EXPECT_TRUE(f.Visible());
}

TEST_F(Placement, DraggingFollowsTheMouseAndTheClickPutsItDown) {
  TFormQuonthary& f = StartInWindowMode();
  f.Cfg.HideWindowWhenFull = true;
  Power(OnMains(100, false));
  fake.Desktop.Cursor = {500, 400};
  ui_->ClickMenu(f.mnuMove);
  EXPECT_TRUE(f.MoveMode);
  EXPECT_EQ(ui_->Cursor(), ui::crSizeAll);
  EXPECT_FALSE(f.ShowHint());
  EXPECT_FALSE(f.LabelState.ShowHint());
  EXPECT_FALSE(f.ImagePrGreen.ShowHint());
  EXPECT_EQ(f.Left(), 475);
  EXPECT_EQ(f.Top(), 393);

  fake.Desktop.Cursor = {600, 300};
  ui_->MouseMove(f.LabelTimeToEnd, 3, 3);
  EXPECT_EQ(f.Left(), 575);
  EXPECT_EQ(f.Top(), 293);
  // Every tick follows too, and nothing blinks while dragging.
  fake.Desktop.Cursor = {610, 310};
  Tick(2);
  EXPECT_EQ(f.Left(), 585);
  EXPECT_EQ(f.Top(), 303);
  EXPECT_TRUE(f.IsShown());

  ui_->MouseDown(f.ImageBatt, ui::TMouseButton::Left);
  EXPECT_FALSE(f.MoveMode);
  EXPECT_EQ(ui_->Cursor(), ui::crDefault);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_TRUE(f.LabelTimeToEnd.ShowHint());
  fake.Desktop.Cursor = {10, 10};
  ui_->MouseMove(f.ImageBatt);
  EXPECT_EQ(f.Left(), 585);

  // The place is saved at once.
  EXPECT_EQ(Stored("Left"), "585");
  EXPECT_EQ(Stored("Top"), "303");
}

TEST_F(Placement, TaskbarModeCannotBeDraggedAndSavesNothing) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = StartInTaskbarMode();
  Tick();
  const int left = f.Left();
  ui_->ClickMenu(f.mnuMove);
  EXPECT_FALSE(f.MoveMode);
  ui_->MouseDown(f.ImageBatt, ui::TMouseButton::Left);
  ui_->MouseMove(f.ImageBatt);
  EXPECT_EQ(f.Left(), left);
  EXPECT_EQ(Stored("Left"), "<none>");
  EXPECT_EQ(Stored("Top"), "<none>");
}

TEST_F(Placement, ClickBringsTheOpenDialogsForward) {
  TFormQuonthary& f = StartInWindowMode();
  TFormMsgBox box(&ui::Application(), f.DialogEnvironment());
  TFormMessageChanger confirm(&ui::Application(), f.DialogEnvironment());
  f.Dialogs.Opened(dialogs::DialogKind::MessageChanger, confirm);
  ui_->MouseDown(f.LabelState, ui::TMouseButton::Right);
  ASSERT_EQ(fake.Desktop.SetForegroundCalls.size(), 1u);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[0], confirm.Handle());

  // Raised in the fixed order of the kinds, not in the order they were opened.
  f.Dialogs.Opened(dialogs::DialogKind::MsgBox, box);
  fake.Desktop.SetForegroundCalls.clear();
  ui_->MouseDown(f, ui::TMouseButton::Left);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls,
            (std::vector<sys::WindowHandle>{confirm.Handle(), box.Handle()}));
  f.Dialogs.Closed(box);
  f.Dialogs.Closed(confirm);
  // A plain click saves nothing.
  EXPECT_EQ(Stored("Left"), "<none>");
}

TEST_F(Placement, FirstRunPlacementAndTheClampOnShow) {
  TFormQuonthary& f = StartInWindowMode();
  f.SetBounds(-999, -999, f.Width(), f.Height());
  f.FirstPlacement();
  EXPECT_EQ(f.Left(), 5);
  EXPECT_EQ(f.Top(), 768 - 14 - 33);
  // A saved place is kept.
  f.SetBounds(-999, 40, f.Width(), f.Height());
  f.FirstPlacement();
  EXPECT_EQ(f.Left(), -999);

  // Every show pulls the window back onto the screen and applies the scale again.
  f.Hide();
  f.SetBounds(-20, 2000, f.Width(), f.Height());
  f.Show();
  EXPECT_EQ(f.Left(), 0);
  EXPECT_EQ(f.Top(), 768 - 14);
  f.Hide();
  f.SetHeight(30);
  f.Show();
  EXPECT_EQ(f.Height(), 14);
  f.Hide();
  f.SetBounds(2000, -5, f.Width(), f.Height());
  f.Show();
  EXPECT_EQ(f.Left(), 1024 - 50);
  EXPECT_EQ(f.Top(), 0);
  fake.Desktop.Width = 800;
  f.ClampToScreen();
  EXPECT_EQ(f.Left(), 750);
}

}  // namespace

TEST_F(Placement, AWindowParkedForAFullBatterySavesItsRealPlace) {
  TFormQuonthary& f = StartInWindowMode();
  f.SetBounds(300, 400, f.Width(), f.Height());
  f.HideIndicator();
  ASSERT_FALSE(f.IsShown());
  f.SaveSettings();
  EXPECT_EQ(Stored("Left"), "300");
  EXPECT_EQ(Stored("Top"), "400");
}
