// Long runs of the real indicator in real windows: battery ticks through the real tick
// handler, volume pop-ups and runs of the settings dialog leave no GDI object, no window
// and no memory behind. The runs are quick (the ticks are driven directly, the pop-up timer
// fired at once), and each kind is measured against the state after a warm-up of the same
// kind, so caches that fill once (fonts, pictures) are not taken for leaks.
//
// Tolerances: GDI objects and windows must come back exactly. Private memory may grow by up
// to 1 MiB per kind: the heap keeps freed blocks for later and grows in steps; a leak of
// 16 bytes per tick would already exceed it over 100,000 ticks, one of 10 KiB per dialog run
// over 100 runs.
//
// A new kind of run (the context menu, the switcher, the editors) is one more Soak() call.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "settings/FormSettings.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/ProcessObjects.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;

struct Held {
  int Gdi = 0;
  int Windows = 0;
  std::size_t Private = 0;
};

Held Now() {
  Settle();
  return {GdiObjects(), win32test::Windows(), PrivateBytes()};
}

class Win32Soak : public Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    fake.Environment.Exe = sys::Win32Environment().TempPath() + "quonthary_soak\\Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    fake.PowerSource.Status = testing_support::OnBattery(64, 5025, 9000);
    fake.Registry.PutValue(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "ShowInTaskBar",
                           {sys::ValueKind::String, "0", 0});
    testing_support::SeenAboutDialog(fake);
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    ui::Application().SetMainForm(owner.get());
    ui::Application().ShowWindow(ui::SW_Hide);
    owner->SetVisible(false);
    owner->Show();
    testing_support::UseFirstRunSettings(Ind());
  }
  void TearDown() override {
    owner.reset();
    Win32Ui::TearDown();
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  // Runs once as a warm-up, then `rounds` times, and compares what the process holds.
  void Soak(const char* what, int warmUp, int rounds, const std::function<void(int)>& once) {
    for (int i = 0; i < warmUp; ++i) once(i);
    const Held before = Now();
    ASSERT_GT(before.Gdi, 0) << "GDI objects cannot be counted here";
    const DWORD t0 = GetTickCount();
    for (int i = 0; i < rounds; ++i) once(warmUp + i);
    const Held after = Now();
    std::printf(
        "[ soak     ] %s x%d: GDI %d -> %d, windows %d -> %d, private %zu -> %zu KiB "
        "(%lu ms)\n",
        what, rounds, before.Gdi, after.Gdi, before.Windows, after.Windows, before.Private / 1024,
        after.Private / 1024, GetTickCount() - t0);
    EXPECT_EQ(after.Gdi, before.Gdi) << what;
    EXPECT_EQ(after.Windows, before.Windows) << what;
    EXPECT_LE(after.Private, before.Private + 1024 * 1024) << what;
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, desktop,        fake.Clock,
                         fake.InternetSettings};
  std::unique_ptr<TFormQuontharyMain> owner;
};

TEST_F(Win32Soak, TicksVolumePopUpsAndSettingsRunsLeaveNothingBehind) {
  TFormQuonthary& f = Ind();
  f.Cfg.ShowInfoText = true;
  f.Cfg.LogWorkTime = false;
  // The charge falls and rises, the mains comes and goes: every part of the gauge changes.
  Soak("battery ticks", 2000, 100000, [&](int i) {
    const int cycle = i % 2000;
    const int percent = cycle < 1000 ? 100 - cycle / 10 : cycle / 10 - 100;
    fake.PowerSource.Status = (i / 500) % 2 ? testing_support::OnMains(percent, percent < 100)
                                            : testing_support::OnBattery(percent, 60 * percent);
    f.TimerTimer(&f);
    if (i % 50 == 0) Settle();  // the window paints what changed
  });
  Soak("volume pop-ups", 20, 1000, [&](int i) {
    f.ShowVolume(std::uint32_t((i * 977) % 65536), 65535, true);
    Settle();
    if (f.VolumePopupTimer) f.VolumePopupTimer->Fire();  // two seconds later, the bar goes
  });
  // Opened from the menu's command, closed by a timer with OK or Cancel.
  ui::TTimer closer(&ui::Application(), "Closer", 30, true);
  int closes = 0;
  closer.SetOnTimer([&](ui::TObject*) {
    if (!f.FormSettings || !f.FormSettings->Visible()) return;
    TFormSettings& d = *f.FormSettings;
    (closes++ % 2 ? d.ButtonOK : d.ButtonCancel).Click();
  });
  Soak("settings dialog", 3, 100, [&](int) { f.mnuSettingsClick(&f); });
  EXPECT_EQ(closes, 103);
}

}  // namespace
