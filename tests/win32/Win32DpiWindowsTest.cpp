// Every window at the DPI its run was started at: tests/win32/dpi-runs.sh sets the system's
// DPI (120, 144, 192 and 96) and starts this program once for each, on a desktop as many
// pixels big as 1024 x 768 design pixels. Each window is opened as a user opens it, its
// layout as shown is checked in English, German and Polish (tests/win32/ShownLayout.h), and
// each photographed into build/screenshots/dpi-<dpi>-<window>[-<language>].png; the gauge
// docks in a stand-in taskbar as high as Windows makes one at that DPI, and floats.
#include "tests/win32/ProgramScript.h"

#include <cstdlib>

#include "i18n/FillIn.h"
#include "system/win32/Dpi.h"
#include "tests/win32/ShownLayout.h"
#include "tests/win32/StandInTaskbar.h"

namespace {

using usersteps::Choose;
using usersteps::Click;
using usersteps::Do;
using usersteps::Step;
using usersteps::Wait;
using usersteps::WaitFor;
using win32test::Hwnd;
using win32test::kBase;
using win32test::Settle;

// Wine draws no window of one program inside another program's: the picture of the taskbar
// gets the gauge's own painting where it is docked, within its battery-shaped region.
screenshot::Capture Docked(HWND gauge, const RECT& area) {
  screenshot::Capture shot = win32test::Part(screenshot::Screen(), area);
  const screenshot::Capture painted =
      screenshot::PrintClient(reinterpret_cast<sys::WindowHandle>(gauge));
  RECT at{};
  GetWindowRect(gauge, &at);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(gauge, region) != ERROR;
  for (int y = 0; y < painted.Height; ++y)
    for (int x = 0; x < painted.Width; ++x) {
      const int sx = at.left - area.left + x, sy = at.top - area.top + y;
      if (sx < 0 || sy < 0 || sx >= shot.Width || sy >= shot.Height) continue;
      if (!shaped || PtInRegion(region, x, y))
        shot.Pixels[std::size_t(sy) * shot.Width + sx] = painted.Pixel(x, y);
    }
  DeleteObject(region);
  return shot;
}

class Win32DpiWindows : public win32test::ProgramScript {
 protected:
  Win32DpiWindows() : ProgramScript("quonthary_dpi", "") {}
  void SetUp() override {
    const char* wanted = std::getenv("Q_DPI");
    if (!wanted) GTEST_SKIP() << "started by tests/win32/dpi-runs.sh at a DPI of its choice";
    ProgramScript::SetUp();
    dpi = sys::dpi::SystemDpi();
    ASSERT_EQ(dpi, std::atoi(wanted));
    std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "\\resources\\language\\Polski.lng",
                               folder + "language\\Polski.lng");
  }
  // dpi-<dpi>-<window> in English, with the language's name after it in the others.
  std::string ShotName(const std::string& what) const {
    const std::string in = language.empty() ? "" : "-" + language.substr(0, language.find('.'));
    return "dpi-" + std::to_string(dpi) + "-" + what + in;
  }
  // The window's layout as shown, and its picture.
  void Look(ui::TForm& window, const std::string& what) {
    RedrawWindow(Hwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (const std::string& fault : win32test::ShownLayoutFaults(window))
      ADD_FAILURE() << (language.empty() ? "English" : language) << ", " << what << ": " << fault;
    Save(screenshot::Window(window.Handle()), ShotName(what));
  }
  // Opens a window from the menu (the battery history is not modal), looks at it and closes
  // it with its button.
  template <class W>
  void FromTheMenuAndBack(std::deque<Step>& script, const ui::TMenuItem& item,
                          const std::unique_ptr<W>& window, const std::string& what,
                          ui::TButton W::*close) {
    script.push_back(RightClick());
    script.push_back(FromTheMenu(item));
    script.push_back([&window] { return window && IsWindowVisible(Hwnd(*window)); });
    script.push_back(Wait(2));
    script.push_back(Do([this, &window, what, close] {
      Look(*window, what);
      PostMessageA(Hwnd((*window).*close), BM_CLICK, 0, 0);
    }));
    script.push_back([&window] { return window == nullptr; });
  }

  int dpi = 96;
  std::string language;
};

// In each language a start of its own.
class Win32DpiDialogs : public Win32DpiWindows, public testing::WithParamInterface<const char*> {};

TEST_P(Win32DpiDialogs, EveryDialogFromTheMenu) {
  language = GetParam();
  Put(kBase, "LanguageFile", language);
  TFormQuonthary& f = Start();
  TFormSettings* settings = nullptr;
  TFormChanger* switcher = nullptr;
  TFormIPChanger* editor = nullptr;
  TFormMessageChanger* confirmation = nullptr;
  TFormMsgBox* box = nullptr;
  // The menu, then the settings' five pages.
  std::deque<Step> script{
      RightClick(),
      [] { return !menusteps::MenuWindows().empty(); },
      Wait(2),
      Do([this] { Save(menusteps::CaptureMenus(8), ShotName("context-menu")); }),
      FromTheMenu(f.mnuSettings),
      WaitFor(settings)};
  for (int page = 0; page < 5; ++page) {
    script.push_back(Do([&settings, page] { ClickTab(settings->PageControl1, page); }));
    script.push_back(Wait(2));
    script.push_back(Do([&settings, this, page] {
      Look(*settings, "settings-" + std::to_string(page + 1));
      // The README shows the settings at 150 %.
      if (dpi == 144 && language.empty() && page == 0) {
        std::filesystem::create_directories(shots + "readme");
        Save(screenshot::Window(settings->Handle()), "readme\\settings-at-150-percent");
      }
    }));
  }
  script.push_back(Do([&] { PostMessageA(Hwnd(settings->ButtonCancel), BM_CLICK, 0, 0); }));
  // The switcher, and the IP editor from its "Configure".
  script.push_back([&] { return f.FormSettings == nullptr; });
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuIPChangerDialog));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] {
    Look(*switcher, "switcher");
    PostMessageA(Hwnd(switcher->ButtonConfigureIP), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(editor));
  script.push_back(Do([&] { Pick(editor->ComboBoxProfNo, 0); }));
  script.push_back(Wait(2));
  script.push_back(Do([&] {
    Look(*editor, "ip-editor");
    PostMessageA(Hwnd(editor->Button2), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  // A proxy profile from the menu: its confirmation and the timed box.
  script.push_back(RightClick());
  script.push_back(Choose(f.PopupMenu.Items(), f.mnuProxyChanger, VK_RIGHT));
  script.push_back([] { return menusteps::MenuWindows().size() == 2; });
  script.push_back(Choose(f.mnuProxyChanger, *f.mnuPX[0]));
  script.push_back(WaitFor(confirmation));
  script.push_back(Do([&] {
    Look(*confirmation, "confirmation");
    PostMessageA(Hwnd(confirmation->Button1), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(box));
  script.push_back(Do([&] {
    Look(*box, "timed-box");
    PostMessageA(Hwnd(box->ButtonOK), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormMsgBox == nullptr; });
  // The longest result the box gives, a warning: what did not hold, an address in use, a
  // proxy not put back, and the red line. Opened from a timer of its own, as the box's own
  // run would stop the script's.
  ui::TTimer later(&ui::Application(), "Later", 50, false);
  later.SetOnTimer([&](ui::TObject*) {
    later.SetEnabled(false);
    f.ShowTimedMessage(
        f.Msg("LabelIPNotHeld") + "\n" +
            FillIn(f.Msg("LabelIPDuplicate"), {"Local Area Connection", "10.0.0.5"}) + "\n" +
            f.Msg("LabelProxyNotRestored"),
        f.Msg("LabelDisEnab"), 20, ui::IDI_Exclamation);
  });
  script.push_back(Do([&] { later.SetEnabled(true); }));
  script.push_back(WaitFor(box));
  script.push_back(Do([&] {
    Look(*box, "timed-box-warning");
    PostMessageA(Hwnd(box->ButtonOK), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormMsgBox == nullptr; });
  FromTheMenuAndBack(script, f.mnuBatteryHistory, f.FormBatteryHistory, "battery-history",
                     &TFormBatteryHistory::ButtonClose);
  FromTheMenuAndBack(script, f.mnuAbout, f.FormAbout, "about", &TFormAbout::Button1);
  Run(std::move(script));
}

INSTANTIATE_TEST_SUITE_P(Win32Dpi, Win32DpiDialogs,
                         testing::Values("", "Deutsch.lng", "Polski.lng"));

TEST_F(Win32DpiWindows, TheGaugeDockedInATaskbarOfItsHeightAndFloating) {
  const ui::Scaling scale{dpi};
  win32test::StandInTaskbar::Options tall;
  tall.Height = scale.ToPixels(40);  // Windows' taskbar is 40 design pixels high
  win32test::StandInTaskbar bar(tall);
  ASSERT_TRUE(bar.Running());
  Put(kBase, "AutoHeightOnTaskBar", "1");
  TFormQuonthary& f = Start();
  for (int i = 0; i < 3; ++i) {
    f.TimerTimer(&f);
    Settle();
  }
  RECT tray{}, gauge{};
  GetWindowRect(bar.NotificationArea(), &tray);
  GetWindowRect(Hwnd(f), &gauge);
  // Beside the notification area at the designed distance, as high as its area allows:
  // both in real pixels, within the half pixel either edge rounds to.
  EXPECT_NEAR(gauge.right, tray.left - scale.ToPixels(f.Cfg.PositionFromTray), 1);
  EXPECT_NEAR(gauge.bottom - gauge.top, tray.bottom - tray.top - 2 * scale.ToPixels(2), 2);
  EXPECT_NEAR(gauge.right - gauge.left, scale.ToPixels(f.Width()), 1);
  const RECT around = bar.Rect();
  Save(Docked(Hwnd(f),
              {around.right - scale.ToPixels(280), around.top, around.right, around.bottom}),
       ShotName("gauge-docked"));

  Put(kBase, "ShowInTaskBar", "0");
  Put(kBase, "Left", "600");
  Put(kBase, "Top", "400");
  TFormQuonthary& w = Start();
  w.TimerTimer(&w);
  Settle();
  GetWindowRect(Hwnd(w), &gauge);
  EXPECT_EQ(gauge.left, scale.ToPixels(600));
  EXPECT_EQ(gauge.bottom - gauge.top, scale.ToPixels(w.Height()));
  const int margin = scale.ToPixels(12);
  Save(win32test::Part(screenshot::Screen(), {gauge.left - margin, gauge.top - margin,
                                              gauge.right + margin, gauge.bottom + margin}),
       ShotName("gauge-floating"));
}

}  // namespace
