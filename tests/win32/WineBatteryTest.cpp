// The charge alerts over a battery that wine reads from a folder of the tests' own
// (tests/win32/staged-battery.sh binds it over /sys/class/power_supply): the real power
// status falls, and the gauge shows "LOW" once at the threshold; charging, "UNPLUG" once.
// Screenshots of both go to build/screenshots/gauge-alert-*.png.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32PowerSource.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using sys::SoundEvent;
using win32test::Settle;

class WineBattery : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    const char* staged = std::getenv("Q_STAGED_BATTERY");
    if (!staged || !*staged)
      GTEST_SKIP() << "no staged battery: run through tests/win32/staged-battery.sh as root";
    folder_ = std::string("Z:") + staged;
    for (char& c : folder_)
      if (c == '/') c = '\\';
    Win32Ui::SetUp();
    fake.Environment.Exe = sys::Win32Environment().TempPath() + "quonthary_battery\\Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
  }
  void TearDown() override {
    owner.reset();
    if (!folder_.empty()) Win32Ui::TearDown();
  }
  // One value of the staged battery, replaced in one step: wine never reads half a file.
  void Set(const std::string& file, const std::string& value) {
    const std::string path = folder_ + "\\" + file;
    std::ofstream(path + ".new", std::ios::binary) << value << "\n";
    std::filesystem::rename(path + ".new", path);
  }
  // 4000000 µAh is full: a percent of it.
  void Charge(int percent) { Set("BAT0\\charge_now", std::to_string(percent * 40000)); }
  void Mains(bool on) {
    Set("AC\\online", on ? "1" : "0");
    Set("BAT0\\status", on ? "Charging" : "Discharging");
  }
  std::string Shown() {
    TFormQuonthary& ind = *owner->Indicator;
    return (ind.LabelState.Visible() ? ind.LabelState : ind.LabelTimeToEnd).Caption();
  }
  // Runs the message loop until done() or the time is up, counting each word's arrivals.
  bool RunUntil(const std::function<bool()>& done, int timeoutMs = 8000) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
      Settle();
      const std::string now = Shown();
      if (now != last_) ++arrivals[now];
      last_ = now;
      if (done()) return true;
      Sleep(20);
    }
    return false;
  }
  void Pump(int ms) {
    RunUntil([] { return false; }, ms);
  }

  std::string folder_, last_;
  std::map<std::string, int> arrivals;
  sys::FakePlatform fake;
  sys::Win32PowerSource power;
  sys::Win32Desktop desktop;
  sys::Platform platform{
      power,      fake.Registry,  fake.Mixer,           fake.HotKeys,     fake.MonitorPower,
      fake.Sound, fake.Processes, fake.IcmpEcho,        fake.VersionInfo, fake.Environment,
      desktop,    fake.Clock,     fake.InternetSettings};
  std::unique_ptr<TFormQuontharyMain> owner;
};

TEST_F(WineBattery, AFallingBatteryShowsTheLowWordOnceAndACharge80TheUnplugWord) {
  Mains(false);
  Charge(11);
  sys::SystemPowerStatus status;
  ASSERT_TRUE(power.GetSystemPowerStatus(status));
  ASSERT_EQ(status.ACLineStatus, 0) << "wine reads the staged battery";
  ASSERT_EQ(status.BatteryLifePercent, 11);

  for (const auto& [name, value] : {std::pair<const char*, const char*>{"ShowInTaskBar", "0"},
                                    {"AlertLowCharge", "1"},
                                    {"AlertUnplug", "1"},
                                    {"LogWorkTime", "0"}})
    fake.Registry.PutValue(sys::RootKey::CurrentUser, "\\Software\\Quonthary", name,
                           {sys::ValueKind::String, value, 0});
  testing_support::SeenAboutDialog(fake);
  owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
  ui::Application().SetMainForm(owner.get());
  owner->SetVisible(false);
  TFormQuonthary& ind = *owner->Indicator;
  ind.Timer.SetEnabled(true);
  auto percentIs = [&](int p) { return [&ind, p] { return ind.PowerStatus->Percent() == p; }; };

  ASSERT_TRUE(RunUntil(percentIs(11)));
  Charge(10);
  ASSERT_TRUE(RunUntil([&] { return Shown() == "LOW"; }));
  Sleep(300);
  Settle();
  EXPECT_TRUE(screenshot::Window(ind.Handle()).SavePng("..\\screenshots\\gauge-alert-low.png"));
  for (int p : {9, 11, 10}) {  // 1 % above the threshold and down again: no second warning
    Charge(p);
    ASSERT_TRUE(RunUntil(percentIs(p))) << p;
    Pump(1100);  // a tick at that charge
  }
  EXPECT_EQ(arrivals["LOW"], 1);
  const auto& sounds = fake.Sound.Events;
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), SoundEvent::Tone(1200, 120)), 1)
      << "the alert's tones, once";

  Mains(true);
  for (int p : {79, 80}) {
    Charge(p);
    ASSERT_TRUE(RunUntil(percentIs(p))) << p;
  }
  ASSERT_TRUE(RunUntil([&] { return Shown() == "UNPLUG"; }));
  Sleep(300);
  Settle();
  EXPECT_TRUE(screenshot::Window(ind.Handle()).SavePng("..\\screenshots\\gauge-alert-unplug.png"));
  Charge(81);
  ASSERT_TRUE(RunUntil(percentIs(81)));
  Pump(2200);
  EXPECT_EQ(arrivals["UNPLUG"], 1);
}

}  // namespace
