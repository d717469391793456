// Long runs of the real indicator in real windows: battery ticks through the real tick
// handler, context-menu openings, switcher runs, runs of each editor, of the settings dialog
// and of the battery history, and volume pop-ups leave no GDI object, no window and no
// memory behind. The runs are quick: the ticks are driven directly, the pop-up timer fired
// at once, and each menu and dialog is answered as soon as its loop runs, by a message posted
// before the command that opens it (a fast timer answers what that misses). Each kind is
// measured against the state after a warm-up of the same kind, so caches that fill once
// (fonts, pictures, the heap's first blocks) are not taken for leaks.
//
// Tolerances: GDI objects and windows must come back exactly: each is a handle, and one left
// behind per run is the leak this test is for. Private memory may grow by up to 1 MiB per
// kind: the heap keeps freed blocks for later and grows in steps of 64 KiB and more, and wine
// commits its own caches lazily; a leak of 16 bytes per tick would already exceed it over
// 100,000 ticks, one of 2 KiB per menu opening over 500, one of 10 KiB per dialog run over
// 100.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "dialogs/FormBatteryHistory.h"
#include "profiles/FormChanger.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormProfilesOrder.h"
#include "settings/FormSettings.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/ProcessObjects.h"
#include "tests/win32/TestWindow.h"
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

// The window of the innermost modal run.
ui::TForm* OpenModal() {
  ui::TForm* found = nullptr;
  for (ui::TComponent* c : ui::Application().Components()) {
    auto* form = dynamic_cast<ui::TForm*>(c);
    if (form && form->Modal() && form->Visible()) found = form;
  }
  return found;
}

// A click as the user's: posted to the button's window, handled by the modal loop.
void Press(ui::TButton& button) { PostMessageA(Hwnd(button), BM_CLICK, 0, 0); }

// The context menu of this thread, while it is up.
HWND OpenMenu() {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return nullptr;
  return GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId() ? menu : nullptr;
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
    poker.OnApp = [this](UINT) { Respond(false); };
    responder = std::make_unique<ui::TTimer>(&ui::Application(), "Responder", 10, true);
    responder->SetOnTimer([this](ui::TObject*) { Respond(true); });
  }
  // Answers what is up: a menu is closed at once, a dialog once its show handler has run and
  // it has painted, once per window that comes to the top. Then it looks again at once, for
  // the window the answer may open.
  void Respond(bool tick) {
    if (OpenMenu()) {
      EndMenu();
      ++menusClosed;
      return;
    }
    ui::TForm* top = OpenModal();
    if (top != top_) {
      top_ = top;
      seen_ = 0;
      answered_ = false;
    }
    if (!top) return;
    if (!answered_ && answer) {
      answered_ = true;
      RedrawWindow(Hwnd(*top), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      answer(*top);
      Poke();
    }
    if (tick && ++seen_ == 500) {  // 5 s: never hang the run
      ADD_FAILURE() << top->Name() << " was not answered";
      Ind().Dialogs.CancelAll();
    }
  }
  // Posted before a command that opens a menu or a dialog: handled by its loop once it runs.
  void Poke() { PostMessageA(poker.Hwnd(), WM_APP, 0, 0); }
  void TearDown() override {
    responder.reset();
    owner.reset();
    Win32Ui::TearDown();
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  // Runs `warmUp` times, then `rounds` times, and compares what the process holds.
  void Soak(const char* what, int warmUp, int rounds, const std::function<void(int)>& once) {
    auto run = [&](int i) {
      top_ = nullptr;  // the next dialog is new even where it reuses the last one's address
      once(i);
    };
    for (int i = 0; i < warmUp; ++i) run(i);
    const Held before = Now();
    ASSERT_GT(before.Gdi, 0) << "GDI objects cannot be counted here";
    ASSERT_GT(before.Windows, 0);
    const DWORD t0 = GetTickCount();
    for (int i = 0; i < rounds; ++i) run(warmUp + i);
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
  // A dialog kind run from its command `rounds` times after three warm-up runs; `close`
  // answers its window. Each run must have ended by the answer, not by the guard.
  template <class W>
  void SoakDialog(const char* what, int rounds, void (TFormQuonthary::*command)(ui::TObject*),
                  std::function<void(W&, int)> close) {
    int runs = 0;
    answer = [&](ui::TForm& top) {
      if (auto* w = dynamic_cast<W*>(&top)) close(*w, runs);
    };
    Soak(what, 3, rounds, [&](int) {
      Poke();
      (Ind().*command)(&Ind());
      ++runs;
    });
    EXPECT_EQ(runs, rounds + 3) << what;
    EXPECT_FALSE(OpenModal()) << what;
    answer = nullptr;
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Platform platform{fake.PowerSource,      fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,     fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,      fake.Environment, desktop,        fake.Clock,
                         fake.InternetSettings, fake.IpHelper};
  std::unique_ptr<TFormQuontharyMain> owner;
  TestWindow poker;
  std::unique_ptr<ui::TTimer> responder;
  std::function<void(ui::TForm&)> answer;
  int menusClosed = 0;

 private:
  ui::TForm* top_ = nullptr;
  int seen_ = 0;
  bool answered_ = false;
};

TEST_F(Win32Soak, TheIndicatorRunningLongLeavesNothingBehind) {
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

  // The right button on the indicator, as the user presses it; the menu is dismissed.
  Soak("context menu", 5, 500, [&](int) {
    const int before = menusClosed;
    PostMessageA(Hwnd(f), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    PostMessageA(Hwnd(f), WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    Poke();
    SettleUntil([&] { return menusClosed != before; }, 5000);
  });
  EXPECT_EQ(menusClosed, 505);

  // The switcher on each of its three pages in turn.
  void (TFormQuonthary::*pages[])(ui::TObject*) = {&TFormQuonthary::mnuIPChangerDialogClick,
                                                   &TFormQuonthary::mnuProxyChangerDialogClick,
                                                   &TFormQuonthary::mnuMacChangerDialogClick};
  int switcherRuns = 0;
  answer = [](ui::TForm& top) {
    if (auto* w = dynamic_cast<TFormChanger*>(&top)) Press(w->ButtonClose);
  };
  Soak("switcher", 3, 200, [&](int i) {
    Poke();
    (f.*pages[i % 3])(&f);
    ++switcherRuns;
  });
  EXPECT_EQ(switcherRuns, 203);
  answer = nullptr;

  SoakDialog<TFormIPChanger>("IP editor", 100, &TFormQuonthary::mnuIPConfigureClick,
                             [](TFormIPChanger& w, int) { Press(w.Button2); });
  SoakDialog<TFormProxy>("proxy editor", 100, &TFormQuonthary::mnuProxyClick,
                         [](TFormProxy& w, int) { Press(w.Button2); });
  SoakDialog<TFormMacChanger>("MAC editor", 100, &TFormQuonthary::mnuMacConfigureClick,
                              [](TFormMacChanger& w, int) { Press(w.Button2); });
  // The profile order dialog from the IP editor's button, left by OK or Cancel; then the
  // editor is closed.
  int orders = 0;
  bool ordered = false;
  answer = [&](ui::TForm& top) {
    if (auto* order = dynamic_cast<TFormProfilesOrder*>(&top)) {
      Press(orders++ % 2 ? order->ButtonOK : order->ButtonAnuluj);
      ordered = true;
    } else if (auto* editor = dynamic_cast<TFormIPChanger*>(&top)) {
      Press(ordered ? editor->Button2 : editor->ButtonProfOrder);
    }
  };
  Soak("profile order dialog", 3, 100, [&](int) {
    ordered = false;
    Poke();
    f.mnuIPConfigureClick(&f);
  });
  EXPECT_EQ(orders, 103);
  answer = nullptr;

  SoakDialog<TFormSettings>(
      "settings dialog", 100, &TFormQuonthary::mnuSettingsClick,
      [](TFormSettings& d, int run) { Press(run % 2 ? d.ButtonOK : d.ButtonCancel); });
  SoakDialog<TFormBatteryHistory>("battery history", 100, &TFormQuonthary::mnuBatteryHistoryClick,
                                  [](TFormBatteryHistory& w, int) { Press(w.ButtonClose); });
}

}  // namespace
