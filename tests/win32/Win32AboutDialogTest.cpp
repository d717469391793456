// The about dialog in a real window at a first start (fakes for the registry and the
// battery, so the user's settings are never touched): the texts fit in the fonts the system
// draws with, nothing overlaps, and screenshots of both states go under build/screenshots/.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <memory>
#include <string>
#include <vector>

#include "dialogs/FormAbout.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;

bool Overlap(const ui::TControl& a, const ui::TControl& b) {
  return a.Left() < b.Right() && b.Left() < a.Right() && a.Top() < b.Bottom() &&
         b.Top() < a.Bottom();
}

// Every visible text fits its control in the real fonts, and no two controls overlap (the
// background picture and the heading's shadow excepted).
void ExpectTidy(TFormAbout& w) {
  ui::Backend& backend = ui::CurrentBackend();
  std::vector<ui::TControl*> shown;
  for (ui::TControl* c : w.Controls()) {
    if (!c->Visible() || c == &w.Image1 || c == &w.Label3) continue;
    shown.push_back(c);
    EXPECT_LE(c->Right(), w.ClientWidth()) << c->Name();
    EXPECT_LE(c->Bottom(), w.ClientHeight()) << c->Name();
    if (auto* label = dynamic_cast<ui::TLabel*>(c)) {
      const ui::TextSize text = backend.MeasureText(label->Font(), label->Caption(),
                                                    label->WordWrap() ? label->Width() : 0);
      EXPECT_LE(text.Width, label->Width()) << c->Name();
      EXPECT_LE(text.Height, label->Height()) << c->Name();
    } else if (auto* edit = dynamic_cast<ui::TEdit*>(c)) {
      const ui::TextSize text = backend.MeasureText(edit->Font(), edit->Text(), 0);
      EXPECT_LE(text.Width, edit->Width() - 8) << c->Name() << " cuts \"" << edit->Text() << '"';
    }
  }
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(Overlap(*shown[i], *shown[j])) << shown[i]->Name() << " / " << shown[j]->Name();
}

class Win32AboutDialog : public Win32Ui {
 protected:
  void TearDown() override {
    answerer.reset();
    owner.reset();
    Win32Ui::TearDown();
  }

  void Answer() {
    TFormAbout* w = FormQuonthary ? FormQuonthary->FormAbout.get() : nullptr;
    if (!w || !w->Modal() || !IsWindowVisible(Hwnd(*w))) return;
    ++ticks;
    if (ticks == 4 || ticks == 8) {
      ExpectTidy(*w);
      const char* name = ticks == 4 ? "about-first-run.png" : "about-international.png";
      EXPECT_TRUE(screenshot::Window(w->Handle()).SavePng("..\\screenshots\\" + std::string(name)));
    }
    if (ticks == 5) PostMessageA(Hwnd(w->CheckBoxInternational), BM_CLICK, 0, 0);
    if (ticks == 6) {
      EXPECT_TRUE(w->CheckBoxInternational.Checked());
      EXPECT_TRUE(w->EditPaymentAbroad1.Visible());
      EXPECT_TRUE(IsWindowVisible(Hwnd(w->EditPaymentAbroad2)));
    }
    if (ticks == 9) PostMessageA(Hwnd(w->Button1), BM_CLICK, 0, 0);
    if (ticks == 100) w->Close();  // never hang a test run
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, desktop,        fake.Clock,
                         fake.InternetSettings};
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> answerer;
  int ticks = 0;
};

TEST_F(Win32AboutDialog, FirstStartInARealWindow) {
  fake.Environment.Exe = "C:\\Program Files\\Quonthary\\Quonthary.exe";
  fake.PowerSource.Status = testing_support::OnMains(80);
  answerer = std::make_unique<ui::TTimer>(&ui::Application(), "Answerer", 100, true);
  answerer->SetOnTimer([this](ui::TObject*) { Answer(); });
  owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
  EXPECT_GE(ticks, 9) << "the dialog was shown and answered";
  auto stored = [&](const char* name) {
    auto v = fake.Registry.Value(sys::RootKey::CurrentUser, "\\Software\\Quonthary", name);
    return v ? v->Text : "<none>";
  };
  EXPECT_EQ(stored("AboutInternational"), "1");
  EXPECT_EQ(stored("AboutShowAtStartup"), "0");
  EXPECT_EQ(stored("PreviousVersion"), "1.0.0.1");
}

}  // namespace
