// The real indicator in real windows: a battery and a registry of its own (fakes, so the
// user's settings are never touched) on the running desktop. Checks the window's size,
// region and parent through the system, and takes screenshots under build/screenshots/.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "system/Environment.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/StandInTaskbar.h"
#include "tests/win32/Win32Fixture.h"
#include "ui/win32/Peers.h"
#include "ui/win32/Win32Backend.h"

namespace {

using namespace win32test;
using Taskbar = StandInTaskbar::Options;

std::string ShotPath(const std::string& name) { return "..\\screenshots\\" + name + ".png"; }

class Win32Indicator : public Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    fake.Environment.Exe = sys::Win32Environment().TempPath() + "quonthary_gauge\\Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    // 64 %, discharging, 1:23:45 left.
    fake.PowerSource.Status = testing_support::OnBattery(64, 5025, 9000);
  }
  void TearDown() override {
    owner.reset();
    Win32Ui::TearDown();
  }

  // Starts as the program does: the owner form makes the indicator; the message loop would
  // then show the owner far off screen.
  TFormQuonthary& Start(bool taskbarMode) {
    if (!taskbarMode)
      fake.Registry.PutValue(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "ShowInTaskBar",
                             {sys::ValueKind::String, "0", 0});
    testing_support::SeenAboutDialog(fake);
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    ui::Application().SetMainForm(owner.get());
    ui::Application().ShowWindow(ui::SW_Hide);
    owner->SetVisible(false);
    owner->Show();
    TFormQuonthary& f = *owner->Indicator;
    testing_support::UseFirstRunSettings(f);
    f.TimerTimer(&f);
    return f;
  }

  // Lets the windows paint.
  static void Paint() {
    Settle();
    Sleep(150);
    Settle();
  }

  // Each word the gauge shows, in a shipped language at the default height, without and with
  // the state text: the label that carries it grows to the left from the gauge's right end,
  // and must stay inside it. Photographed; the words that do not fit are returned.
  std::vector<std::string> GaugeWords(const std::string& file, const std::string& language) {
    const std::string folder = sys::DirectoryOf(fake.Environment.Exe);
    std::filesystem::create_directories(folder + "language");
    std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "\\resources\\language\\" + file,
                               folder + "language\\" + file,
                               std::filesystem::copy_options::overwrite_existing);
    fake.Registry.PutValue(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "LanguageFile",
                           {sys::ValueKind::String, file, 0});
    TFormQuonthary& f = Start(false);
    using testing_support::OnBattery;
    using testing_support::OnMains;
    auto tick = [&](const sys::SystemPowerStatus& status) {
      fake.PowerSource.Status = status;
      f.DisplaySkipTicks = 0;
      f.TimerTimer(&f);
    };
    const std::pair<const char*, std::function<void()>> words[] = {
        {"battery",
         [&] {
           tick(OnMains(64));
           f.Cfg.LogWorkTime = true;
           f.TrackPowerSource(true, 64);
         }},
        {"ac-line",
         [&] {
           f.TrackPowerSource(false, 64);
           f.Cfg.LogWorkTime = false;
         }},
        {"volume", [&] { f.ShowVolume(45, 100, true); }},
        {"mute", [&] { f.ShowMute(true, true); }},
        {"unmute", [&] { f.ShowMute(false, true); }},
        {"monitor-off", [&] { f.MonitorOff(); }},
        {"monitor-on", [&] { f.MonitorOn(); }},
        {"connection-error",
         [&] {
           f.ImageNoInternet.Hide();
           f.ConnectionFailures = 1;
           fake.IcmpEcho.Push(sys::FakeIcmpEcho::Result::TimedOut());
           f.TimerIcmpTimer(&f);
         }},
        {"low-charge", [&] { f.ShowPowerMessage(f.Msg("LabelAlertLow"), f.Cfg.WhenDischarging); }},
        {"unplug", [&] { f.ShowPowerMessage(f.Msg("LabelAlertUnplug"), f.Cfg.WhenCharging); }},
        {"no-battery", [&] { tick(testing_support::NoBattery()); }},
        {"full", [&] { tick(OnMains(100, false)); }},
        {"empty", [&] { tick(OnBattery(3)); }},
    };
    std::vector<std::string> cut;
    for (bool stateText : {false, true}) {
      f.Cfg.ShowInfoText = stateText;
      f.Cfg.LogWorkTime = false;
      for (const auto& [word, show] : words) {
        show();
        Paint();
        const std::string name = std::string(word) + (stateText ? "-with-state" : "");
        EXPECT_TRUE(screenshot::Window(f.Handle())
                        .Scaled(6)
                        .SavePng(ShotPath("gauge-" + language + "-" + name)));
        for (ui::TLabel* label : {&f.LabelState, &f.LabelTimeToEnd})
          if (label->Visible() && !label->Caption().empty() &&
              (label->Left() < 0 || label->Bottom() > f.ClientHeight()))
            cut.push_back(name + ": " + label->Caption());
      }
    }
    owner.reset();
    return cut;
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, desktop,        fake.Clock,
                         fake.InternetSettings};
  std::unique_ptr<TFormQuontharyMain> owner;
};

// The four rectangles of the battery silhouette, as the window must be cut.
bool InSilhouette(int x, int y, int w, int h) {
  const int q = h / 4;
  const RECT parts[] = {
      {0, q, w - 1, h - q}, {0, q + 1, w, h - q - 1}, {1, 0, w - 3, h}, {0, 1, w - 2, h - 1}};
  for (const RECT& r : parts)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

// The window's region, pixel by pixel, against the silhouette of a w x h window.
void ExpectBatteryRegion(HWND window, int w, int h) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, w);
  EXPECT_EQ(box.bottom, h);
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<char> data(size);
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  ASSERT_EQ(GetRegionData(region, size, header), size);
  EXPECT_GE(header->rdh.nCount, 3u);  // body, terminal and the cut corners
  int wrong = 0;
  for (int y = -1; y <= h; ++y)
    for (int x = -1; x <= w; ++x)
      if (bool(PtInRegion(region, x, y)) != InSilhouette(x, y, w, h)) ++wrong;
  EXPECT_EQ(wrong, 0);
  DeleteObject(region);
}

// The right end of a capture, for viewing the indicator in the wide taskbar.
screenshot::Capture RightEnd(const screenshot::Capture& whole, int width) {
  screenshot::Capture part;
  part.Width = std::min(width, whole.Width);
  part.Height = whole.Height;
  for (int y = 0; y < part.Height; ++y)
    for (int x = whole.Width - part.Width; x < whole.Width; ++x)
      part.Pixels.push_back(whole.Pixel(x, y));
  return part;
}

TEST_F(Win32Indicator, WindowModeAtThreeSizes) {
  TFormQuonthary& f = Start(false);
  HWND window = Hwnd(f);
  EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(window, GW_OWNER), Hwnd(*owner));
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(window));

  struct Size {
    int Step;
    int Height;
    int Zoom;
  };
  for (const Size& size : {Size{3, 9, 10}, Size{5, 14, 8}, Size{20, 55, 4}}) {
    SCOPED_TRACE(size.Step);
    f.SetBounds(300, 300, f.Width(), f.Height());
    f.Cfg.BatteryScale = size.Step * 0.1f + 0.05f;
    // The largest size has room for the remaining time; the others show the percentage.
    f.Cfg.Percentage = size.Step < 20;
    f.ApplyCurrentScale();
    f.TimerTimer(&f);
    Paint();

    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 300);
    EXPECT_EQ(rect.right - rect.left, 50);
    EXPECT_EQ(rect.bottom - rect.top, size.Height);
    ExpectBatteryRegion(window, 50, size.Height);

    screenshot::Capture shot = screenshot::PrintClient(f.Handle());
    ASSERT_EQ(shot.Width, 50);
    ASSERT_EQ(shot.Height, size.Height);
    // Charged (left) and discharged (right) parts of the bar differ.
    EXPECT_NE(shot.Pixel(6, size.Height / 2), shot.Pixel(42, size.Height / 2));
    screenshot::Capture shown = screenshot::Window(f.Handle());
    ASSERT_FALSE(shown.Empty());
    EXPECT_TRUE(shown.Scaled(size.Zoom).SavePng(
        ShotPath("indicator-window-step" + std::to_string(size.Step))));
  }

  // The connection mark keeps to the right edge of the cut window.
  EXPECT_EQ(f.ImageNoInternet.Left(), 39);
}

TEST_F(Win32Indicator, DockedInTheTaskbar) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) GTEST_SKIP() << "this desktop has no taskbar";
  HWND tray = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr);
  TFormQuonthary& f = Start(true);
  HWND window = Hwnd(f);
  EXPECT_EQ(reinterpret_cast<HWND>(f.TaskbarWindow), taskbar);
  Paint();

  RECT bar, dock;
  GetWindowRect(taskbar, &bar);
  dock = bar;
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 50);
  EXPECT_EQ(rect.bottom - rect.top, 14);
  if (tray) {
    // Explorer's taskbar: a child of it, left of the notification area.
    GetWindowRect(tray, &dock);
    EXPECT_EQ(GetParent(window), taskbar);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
    MapWindowPoints(HWND_DESKTOP, taskbar, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, dock.left - 50 - 20 - bar.left);
    EXPECT_EQ(rect.top, 2);
  } else {
    // A taskbar without one (Wine's) does not draw other programs' windows inside it: the
    // indicator floats above its right end, owned by the hidden owner form.
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(window, GW_OWNER), Hwnd(*owner));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(rect.left, bar.right - 50 - 20);
    EXPECT_EQ(rect.top, bar.top + 2);
  }
  EXPECT_TRUE(IsWindowVisible(window));
  ExpectBatteryRegion(window, 50, 14);

  // What the screen shows there: the gauge, not the taskbar's face.
  screenshot::Capture strip = screenshot::Window(reinterpret_cast<sys::WindowHandle>(taskbar));
  ASSERT_FALSE(strip.Empty());
  screenshot::Capture printed = screenshot::PrintClient(f.Handle());
  POINT probe{6, 7};
  ClientToScreen(window, &probe);
  EXPECT_EQ(strip.Pixel(probe.x - bar.left, probe.y - bar.top), printed.Pixel(6, 7));
  EXPECT_TRUE(strip.SavePng(ShotPath("indicator-taskbar")));
  EXPECT_TRUE(RightEnd(strip, 160).Scaled(4).SavePng(ShotPath("indicator-taskbar-end")));
  EXPECT_TRUE(screenshot::Window(f.Handle()).Scaled(8).SavePng(ShotPath("indicator-docked")));

  // Fitted to the height of what it docks against.
  f.Cfg.AutoHeightOnTaskBar = true;
  f.TimerTimer(&f);
  Paint();
  GetWindowRect(window, &rect);
  EXPECT_NEAR(rect.bottom - rect.top, dock.bottom - dock.top - 4, 1);
  ExpectBatteryRegion(window, 50, rect.bottom - rect.top);
  EXPECT_TRUE(
      screenshot::Window(f.Handle()).Scaled(8).SavePng(ShotPath("indicator-docked-auto-height")));
}

TEST_F(Win32Indicator, ATickThatChangesNothingPaintsNothing) {
  fake.PowerSource.Status = testing_support::OnMains(100, false);
  TFormQuonthary& f = Start(false);
  for (int i = 0; i < 3; ++i) f.TimerTimer(&f);
  Paint();
  ui::win32::Traffic() = {};
  for (int i = 0; i < 20; ++i) {
    f.TimerTimer(&f);
    Settle();
  }
  Paint();
  EXPECT_EQ(ui::win32::Traffic().Paints, 0);
  EXPECT_EQ(ui::win32::Traffic().Changes, 0);
  // A change that shows is painted.
  fake.PowerSource.Status = testing_support::OnMains(90, false);
  f.TimerTimer(&f);
  Paint();
  EXPECT_GE(ui::win32::Traffic().Paints, 1);
  EXPECT_GE(ui::win32::Traffic().Changes, 1);
}

// Explorer restarting: the gauge goes with its taskbar, floats meanwhile, and a new taskbar's
// broadcast alone (the timer stopped) docks it again, made afresh from the model.
TEST_F(Win32Indicator, ARestartedTaskbarGetsTheGaugeBackDocked) {
  StandInTaskbar bar;
  ASSERT_TRUE(bar.Running());
  TFormQuonthary& f = Start(true);
  f.TimerTimer(&f);
  const HWND first = Hwnd(f);
  ASSERT_EQ(GetParent(first), bar.Window());

  ASSERT_TRUE(bar.Close());
  EXPECT_FALSE(IsWindow(first)) << "it went with the taskbar, as inside Explorer's";
  f.TimerTimer(&f);
  EXPECT_EQ(GetAncestor(Hwnd(f), GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(IsWindowVisible(Hwnd(f)));

  // Docked by the announcement alone, however long a loaded machine takes to deliver it.
  f.Timer.SetEnabled(false);
  ASSERT_TRUE(bar.Start());
  ASSERT_TRUE(SettleUntil([&] { return GetParent(Hwnd(f)) == bar.Window(); }))
      << "docked when the new taskbar announced itself";
  const HWND window = Hwnd(f);
  RECT tray, rect;
  GetWindowRect(bar.NotificationArea(), &tray);
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, tray.left - 50 - 20);
  EXPECT_EQ(rect.right - rect.left, 50);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  ExpectBatteryRegion(window, 50, 14);
  // Its tips come with the pointer, as on the first window.
  Send(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_GT(static_cast<ui::win32::FormPeer*>(f.GetPeer())->Hints().ToolCount(), 0);
  Paint();
  EXPECT_TRUE(
      screenshot::PrintClient(f.Handle()).Scaled(8).SavePng(ShotPath("indicator-redocked")));
}

TEST_F(Win32Indicator, StaysAboveTheWindows11TaskbarFace) {
  Taskbar eleven;
  eleven.Height = 48;
  eleven.Windows11 = true;
  eleven.EmptyNotificationArea = true;
  StandInTaskbar bar(eleven);
  ASSERT_TRUE(bar.Running());
  TFormQuonthary& f = Start(true);
  f.TimerTimer(&f);
  ASSERT_EQ(GetParent(Hwnd(f)), bar.Window());
  EXPECT_EQ(GetWindow(bar.Window(), GW_CHILD), Hwnd(f));
  // Right end, less the notification area that the face draws there and the gap.
  RECT rect;
  GetWindowRect(Hwnd(f), &rect);
  EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) - 6 * 48 - 50 - 20);
  // Explorer puts its face back on top; the next dock puts the gauge over it again.
  for (int again = 0; again < 2; ++again) {
    bar.RaiseBridge();
    ASSERT_EQ(GetWindow(bar.Window(), GW_CHILD), bar.Bridge());
    f.TimerTimer(&f);
    EXPECT_EQ(GetWindow(bar.Window(), GW_CHILD), Hwnd(f));
  }
}

// Wine's desktop without a virtual desktop keeps such a taskbar: the gauge must not dock to it.
TEST_F(Win32Indicator, ATaskbarThatShowsNothingLeavesTheGaugeOnScreen) {
  auto expectFree = [](HWND window) {
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 5);
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN) - 33);
  };
  Taskbar hidden;
  hidden.Hidden = true;
  auto bar = std::make_unique<StandInTaskbar>(hidden);
  ASSERT_TRUE(bar->Running());
  TFormQuonthary& f = Start(true);
  f.TimerTimer(&f);
  Paint();
  expectFree(Hwnd(f));
  EXPECT_TRUE(screenshot::SaveScreenPng(ShotPath("indicator-no-taskbar")));

  // A taskbar hidden while the gauge is inside it: out again, on top.
  bar.reset();
  bar = std::make_unique<StandInTaskbar>();
  f.TimerTimer(&f);
  ASSERT_EQ(GetParent(Hwnd(f)), bar->Window());
  EXPECT_FALSE(GetWindowLongPtrA(Hwnd(f), GWL_EXSTYLE) & WS_EX_TOPMOST);
  ShowWindow(bar->Window(), SW_HIDE);
  f.TimerTimer(&f);
  expectFree(Hwnd(f));
}

// The translated gauge words fit at the default height. The English ones, the designed
// texts, are photographed beside them; "BATTERY", "Mon-OFF", "Conn.err", "No Batt." and
// "UNPLUG" run a few pixels past the gauge's left end in wine's Tahoma, and are only
// recorded.
TEST_F(Win32Indicator, GaugeWordsInGermanBesideTheEnglish) {
  std::string english;
  for (const std::string& word : GaugeWords("English.lng", "english")) english += word + "; ";
  RecordProperty("EnglishWordsPastTheEdge", english);
  EXPECT_EQ(GaugeWords("Deutsch.lng", "deutsch"), std::vector<std::string>{});
}

using Win32PolishGauge = Win32Indicator;

TEST_F(Win32PolishGauge, GaugeWordsInPolish) {
  if (GetACP() != 1250) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1250";
  EXPECT_EQ(GaugeWords("Polski.lng", "polski"), std::vector<std::string>{});
}

}  // namespace
