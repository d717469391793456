// The battery history in real windows under wine: opened from the indicator's context menu
// over prepared log files, photographed, its rows checked in the system's fonts, then made
// larger by the user and photographed again.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/FormBatteryHistory.h"
#include "dialogs/HistoryChart.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/DischargeLogSample.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using win32test::Hwnd;
using win32test::Settle;

using testing_support::DischargeLog;

std::uint32_t Rgb(ui::TColor c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

// Pixels of a colour within a control's place on a client-area capture.
int CountIn(const screenshot::Capture& shot, const ui::TControl& c, std::uint32_t rgb) {
  int n = 0;
  for (int y = c.Top(); y < c.Bottom() && y < shot.Height; ++y)
    for (int x = c.Left(); x < c.Right() && x < shot.Width; ++x) n += shot.Pixel(x, y) == rgb;
  return n;
}

class Win32BatteryHistory : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    folder = sys::Win32Environment().TempPath() + "quonthary_history\\";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "discharging_log");
    fake.Environment.Exe = folder + "Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    fake.PowerSource.Status = testing_support::OnMains(100, false);
    fake.Registry.PutValue(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "ShowInTaskBar",
                           {sys::ValueKind::String, "0", 0});
    testing_support::SeenAboutDialog(fake);
    // Four periods of a battery growing older, and one file that is no log.
    Put("20080103_090000.txt", DischargeLog(100, 40, 150));
    Put("20080110_090000.txt", DischargeLog(98, 55, 130));
    Put("20080117_090000.txt", DischargeLog(100, 62, 110));
    Put("20080124_143012.txt", DischargeLog(97, 70, 100));
    Put("20080125_080000.txt", "no log of ours");
    // And the battery's health over fourteen months, as the program writes it.
    std::string health = "Date\tDesigned[mWh]\tFull[mWh]\tCycles\r\n";
    for (int m = 0; m < 14; ++m)
      health += std::to_string(2006 + (10 + m) / 12) + "-" + (((10 + m) % 12) < 9 ? "0" : "") +
                std::to_string((10 + m) % 12 + 1) + "-15\t48000\t" +
                std::to_string(47800 - m * 420) + "\t" + std::to_string(20 + m * 23) + "\r\n";
    Put("health.txt", health);
  }
  void TearDown() override {
    answerer.reset();
    owner.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    Win32Ui::TearDown();
  }
  void Put(const std::string& name, const std::string& text) {
    std::ofstream(folder + "discharging_log\\" + name, std::ios::binary) << text;
  }
  TFormBatteryHistory* Window() {
    TFormBatteryHistory* w = owner ? owner->Indicator->FormBatteryHistory.get() : nullptr;
    return w && w->Visible() && IsWindowVisible(Hwnd(*w)) ? w : nullptr;
  }

  using Step = std::function<bool()>;
  static Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }
  static Step Wait(int ticks) {
    auto left = std::make_shared<int>(ticks);
    return [left] { return --*left <= 0; };
  }
  void Run(std::deque<Step> todo) {
    steps = std::move(todo);
    answerer = std::make_unique<ui::TTimer>(&ui::Application(), "Answerer", 100, true);
    answerer->SetOnTimer([this](ui::TObject*) {
      if (!steps.empty() && steps.front()()) steps.pop_front();
    });
    for (int waited = 0; !steps.empty() && waited < 20000; waited += 20) {
      Settle();
      Sleep(20);
    }
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps left undone";
    for (int i = 0; i < 20 && Window(); ++i) {
      Window()->Close();
      Settle();
    }
  }

  sys::FakePlatform fake;
  sys::Win32Desktop screen;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, screen,         fake.Clock,
                         fake.InternetSettings};
  std::string folder;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> answerer;
  std::deque<Step> steps;
};

TEST_F(Win32BatteryHistory, FromTheMenuOverPreparedLogsAndLargerByTheUser) {
  owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
  ui::Application().SetMainForm(owner.get());
  owner->SetVisible(false);
  TFormQuonthary& ind = *owner->Indicator;
  Settle();

  screenshot::Capture first, larger;
  int newestBefore = 0, newestAfter = 0, chartHeight = 0;
  std::vector<int> older;
  const std::uint32_t newest = Rgb(dialogs::PeriodColor(3, 4));
  std::deque<Step> script{
      // The right button on the indicator, then the item chosen with the arrow keys and Enter.
      Do([&] {
        PostMessageA(Hwnd(ind), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
        PostMessageA(Hwnd(ind), WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
      }),
      [&] {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return false;
        HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        // Owner-drawn items carry no text: the item's place among those shown.
        int place = -1, shown = 0;
        const ui::TMenuItem& root = ind.PopupMenu.Items();
        for (int i = 0; i < root.Count(); ++i) {
          if (!root.Item(i)->Visible()) continue;
          if (root.Item(i) == &ind.mnuBatteryHistory) place = shown;
          ++shown;
        }
        EXPECT_GE(place, 0);
        if (place < 0) return true;
        const bool lit = GetMenuState(items, UINT(place), MF_BYPOSITION) & MF_HILITE;
        PostMessageA(menu, WM_KEYDOWN, lit ? VK_RETURN : VK_DOWN, 0);
        return lit;
      },
      [&] { return Window() != nullptr; },
      Wait(4),
      Do([&] {
        TFormBatteryHistory& w = *Window();
        EXPECT_EQ(win32test::TextOf(Hwnd(w)), "Battery history");
        EXPECT_EQ(w.History().Periods.size(), 4u);
        EXPECT_EQ(w.LabelNote.Caption(), "Files in discharging_log that could not be read: 1");
        // Each row and the health line whole in the fonts the system really draws with.
        for (std::size_t i = 0; i < 5; ++i) {
          const ui::TLabel& row = i < 4 ? *w.LabelPeriod[i] : w.LabelHealth;
          const ui::TextSize text = ui::CurrentBackend().MeasureText(row.Font(), row.Caption(), 0);
          EXPECT_LE(text.Width, row.Width()) << row.Caption();
          EXPECT_LE(text.Height, row.Height()) << row.Caption();
        }
        const screenshot::Capture client = screenshot::PrintClient(w.Handle());
        newestBefore = CountIn(client, w.PaintBoxChart, newest);
        chartHeight = w.PaintBoxChart.Height();
        for (std::size_t i = 0; i < 3; ++i)
          older.push_back(CountIn(client, w.PaintBoxChart, Rgb(dialogs::PeriodColor(i, 4))));
        // The health of the last line (wine's battery devices say nothing), and its chart.
        EXPECT_EQ(w.LabelHealth.Caption(),
                  "Battery health on 2007-12-15: designed 48000 mWh, "
                  "full 42340 mWh, wear 12 %, 319 cycles");
        EXPECT_GT(CountIn(client, w.PaintBoxHealth, Rgb(0x2020D0)), 100);
        first = screenshot::Window(w.Handle());
        EXPECT_TRUE(first.SavePng("..\\screenshots\\battery-history.png"));
        EXPECT_TRUE(first.SavePng("..\\screenshots\\battery-health.png"));
        // The user drags the frame larger (the system sizes the window, the model follows).
        RECT r{};
        GetWindowRect(Hwnd(w), &r);
        SetWindowPos(Hwnd(w), nullptr, r.left - 100, r.top - 60, r.right - r.left + 200,
                     r.bottom - r.top + 120, SWP_NOZORDER);
      }),
      Wait(4),
      Do([&] {
        TFormBatteryHistory& w = *Window();
        EXPECT_EQ(w.PaintBoxChart.Width(), 540 + 200);
        EXPECT_EQ(w.PaintBoxChart.Height(), chartHeight + 120);
        newestAfter = CountIn(screenshot::PrintClient(w.Handle()), w.PaintBoxChart, newest);
        larger = screenshot::Window(w.Handle());
        EXPECT_TRUE(larger.SavePng("..\\screenshots\\battery-history-larger.png"));
        PostMessageA(Hwnd(w.ButtonClose), BM_CLICK, 0, 0);
      }),
      [&] { return Window() == nullptr; },
  };
  Run(std::move(script));

  ASSERT_FALSE(first.Empty());
  ASSERT_FALSE(larger.Empty());
  // The newest period's line is in the chart, thick, and longer in the larger chart.
  EXPECT_GT(newestBefore, 300);
  EXPECT_GT(newestAfter, newestBefore);
  // So are the older ones, each in its colour.
  ASSERT_EQ(older.size(), 3u);
  for (int n : older) EXPECT_GT(n, 100);
  EXPECT_EQ(ind.FormBatteryHistory, nullptr);
}

}  // namespace
