// The settings dialog in real windows under wine, opened from the indicator's context menu
// and worked by posted clicks: its five pages photographed and checked in the system's real
// fonts, the move of the settings from wine's registry into a real INI file beside the
// program and back, the colour and open dialogs answered from inside the test, and the
// Polish notice in a wide-character message box.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"
#include <commctrl.h>
#include <dlgs.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/FormAbout.h"
#include "i18n/CodePage1250.h"
#include "settings/FormSettings.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "system/Files.h"
#include "system/Win32Registry.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/SettingsLayoutCheck.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/SavedState.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using sys::RootKey;
using win32test::Hwnd;
using win32test::SavedValue;
using win32test::Settle;
using win32test::TestEnvironment;

const char kBase[] = "\\Software\\Quonthary";
const char kRun[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kInstall[] = "\\Software\\Tessmark\\Quonthary";

// One step of what the test does while the program's own loops run; true when done, false
// to be asked again at the next tick.
using Step = std::function<bool()>;

struct WindowSearch {
  const char* ClassName;
  const char* Title;
  HWND Found = nullptr;
};

BOOL CALLBACK VisitThreadWindow(HWND w, LPARAM p) {
  auto& s = *reinterpret_cast<WindowSearch*>(p);
  if (!IsWindowVisible(w) || win32test::ClassOf(w) != s.ClassName) return TRUE;
  if (s.Title && win32test::TextOf(w) != s.Title) return TRUE;
  s.Found = w;
  return FALSE;
}

// A shown top-level window of this thread: a menu, or a box or dialog of the system.
HWND VisibleWindowOfThread(const char* className, const char* title = nullptr) {
  WindowSearch search{className, title};
  EnumThreadWindows(GetCurrentThreadId(), VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

void PostClick(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class Win32SettingsDialog : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    // From the folder the tests run in: the open dialog moves the current folder while up.
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    shots = std::string(cwd) + "\\..\\screenshots\\";
    folder = sys::Win32Environment().TempPath() + "quonthary_settings\\";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "Skin\\Blue");
    std::filesystem::create_directories(folder + "Skin\\Classic");
    std::filesystem::create_directories(folder + "language");
    std::filesystem::create_directories(folder + "Sound");
    std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "\\resources\\language\\Deutsch.lng",
                               folder + "language\\Deutsch.lng");
    std::ofstream(folder + "Sound\\ding.wav", std::ios::binary) << "RIFF";
    env.Exe = folder + "Quonthary.exe";
    sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kBase);
    fake.PowerSource.Status.ACLineStatus = 1;
    fake.PowerSource.Status.BatteryFlag = 1;
    fake.PowerSource.Status.BatteryLifePercent = 80;
    answerer = std::make_unique<ui::TTimer>(&ui::Application(), "Answerer", 100, true);
    answerer->SetOnTimer([this](ui::TObject*) { Answer(); });
  }
  void TearDown() override {
    answerer.reset();
    owner.reset();
    sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kBase);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    Win32Ui::TearDown();
  }

  TFormQuonthary& Start() {
    owner.reset();
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    ui::Application().SetMainForm(owner.get());
    owner->SetVisible(false);
    return *owner->Indicator;
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }
  TFormSettings* Dialog() {
    TFormSettings* d = owner ? Ind().FormSettings.get() : nullptr;
    return d && d->Visible() && IsWindowVisible(Hwnd(*d)) ? d : nullptr;
  }

  // Runs the steps from the program's loops until they are all done (or time runs out).
  void Run(std::deque<Step> todo, int timeoutMs = 20000) {
    steps = std::move(todo);
    for (int waited = 0; !steps.empty() && waited < timeoutMs; waited += 20) {
      Settle();
      Sleep(20);
    }
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps left undone";
    steps.clear();
    // Whatever is still open is closed, so that a failed run does not hang the next.
    for (int i = 0; i < 20 && Dialog(); ++i) {
      Dialog()->Close();
      Settle();
    }
  }
  void Answer() {
    // A start with nothing stored is a first start: the about dialog opens by itself. It is
    // ticked away for this version, as a user would.
    for (ui::TComponent* c : ui::Application().Components()) {
      auto* about = dynamic_cast<TFormAbout*>(c);
      if (about && about->Modal() && about->Visible()) {
        about->CheckBoxDontShow.SetChecked(true);
        about->Close();
        return;
      }
    }
    if (steps.empty() || busy) return;
    busy = true;
    if (steps.front()()) steps.pop_front();
    busy = false;
  }

  // ---- steps ----
  static Step Wait(int ticks) {
    auto left = std::make_shared<int>(ticks);
    return [left] { return --*left <= 0; };
  }
  Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }
  // The right button on the indicator opens its context menu; "Settings" (in the language
  // in use) is chosen with the arrow keys and Enter, as a user might.
  std::deque<Step> OpenThroughTheMenu() {
    return {Do([this] {
              PostMessageA(Hwnd(Ind()), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
              PostMessageA(Hwnd(Ind()), WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
            }),
            [this] {
              HWND menu = VisibleWindowOfThread("#32768");
              if (!menu) return false;
              HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
              // Owner-drawn items carry no text: the place of "Settings" among the items shown.
              int settings = -1, shown = 0;
              const ui::TMenuItem& root = Ind().PopupMenu.Items();
              for (int i = 0; i < root.Count(); ++i) {
                if (!root.Item(i)->Visible()) continue;
                if (root.Item(i) == &Ind().mnuSettings) settings = shown;
                ++shown;
              }
              EXPECT_EQ(GetMenuItemCount(items), shown);
              EXPECT_GE(settings, 0);
              if (settings < 0) return true;
              const bool lit = GetMenuState(items, UINT(settings), MF_BYPOSITION) & MF_HILITE;
              PostMessageA(menu, WM_KEYDOWN, lit ? VK_RETURN : VK_DOWN, 0);
              return lit;
            },
            [this] { return Dialog() != nullptr; }, Wait(3)};
  }
  Step ClickTab(int index) {
    return Do([this, index] {
      HWND tabs = Hwnd(Dialog()->PageControl1);
      RECT r{};
      SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
      PostClick(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    });
  }
  template <class T>
  Step Press(T TFormSettings::*button) {
    return Do([this, button] { PostMessageA(Hwnd(Dialog()->*button), BM_CLICK, 0, 0); });
  }
  // A box or dialog of the system, shown over the settings dialog.
  Step AnswerSystemBox(const char* title, const std::string& shotName,
                       std::function<void(HWND)> answer) {
    auto seen = std::make_shared<int>(0);
    return [=] {
      HWND box = VisibleWindowOfThread("#32770", title);
      if (!box) return false;
      if (++*seen == 4) {
        EXPECT_TRUE(
            screenshot::SaveWindowPng(reinterpret_cast<sys::WindowHandle>(box), Shot(shotName)));
      }
      if (*seen < 5) return false;
      answer(box);
      return true;
    };
  }

  std::string Shot(const std::string& name) const { return shots + name + ".png"; }
  std::string Ini() const { return sys::files::ReadAll(folder + "Quonthary.ini").value_or(""); }

  sys::FakePlatform fake;
  std::unique_ptr<sys::Registry> reg = sys::CreateWin32Registry();
  TestEnvironment env;
  sys::Win32Desktop screen;
  sys::Platform platform{fake.PowerSource,     *reg,       fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound, fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     env,        screen,         fake.Clock,
                         fake.InternetSettings};
  SavedValue run{*reg, kRun, "Quonthary"};
  SavedValue install{*reg, kInstall, "LastApplicationDir"};
  std::string folder, shots;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> answerer;
  std::deque<Step> steps;
  bool busy = false;
};

// Every value of the whole set is in the INI file, each in its section.
void ExpectWholeSetIn(const settings::IniFile& ini) {
  for (const settings::Setting& row : settings::SettingsTable()) {
    using settings::Encoding;
    if (row.Enc == Encoding::ProfileData || row.Enc == Encoding::AppliedMarks ||
        row.Enc == Encoding::WindowLeft || row.Enc == Encoding::WindowTop)
      continue;
    EXPECT_TRUE(ini.Get(settings::SectionOf(row.KeyPath), row.Name)) << row.Name;
  }
  EXPECT_TRUE(ini.Get("IPChanger_Connections", "Checked20"));
  EXPECT_TRUE(ini.Get("MacChanger20", "ProfileName"));
}

TEST_F(Win32SettingsDialog, FivePagesFromTheMenuAndTheSettingsMovedToTheIniFileAndBack) {
  Start();
  // What the about dialog of this first start stored: the registry is empty again.
  sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kBase);
  std::deque<Step> script = OpenThroughTheMenu();
  const char* const pages[] = {"general", "window-options", "display-options", "sound", "hot-keys"};
  script.push_back(Do([this] {
    TFormSettings& d = *Dialog();
    EXPECT_EQ(win32test::TextOf(Hwnd(d)), "Quonthary Settings");
    EXPECT_EQ(TabCtrl_GetItemCount(Hwnd(d.PageControl1)), 5);
    // Fixed in size: the frame cannot be dragged.
    RECT r{};
    GetWindowRect(Hwnd(d), &r);
    EXPECT_EQ(r.right - r.left, d.Width());
    EXPECT_EQ(d.Constraints().MaxWidth, d.Width());
    // In the fonts the system really draws with.
    testing_support::ExpectTidyLayout(d);
  }));
  for (int page = 0; page < 5; ++page) {
    script.push_back(ClickTab(page));
    script.push_back(Wait(3));
    script.push_back(Do([this, page, name = pages[page]] {
      TFormSettings& d = *Dialog();
      EXPECT_EQ(d.PageControl1.ActivePageIndex(), page);
      EXPECT_TRUE(IsWindowVisible(Hwnd(*d.PageControl1.Page(page))));
      EXPECT_TRUE(screenshot::SaveWindowPng(
          d.Handle(), Shot("settings-" + std::to_string(page + 1) + "-" + name)));
    }));
  }
  script.push_back(ClickTab(0));
  script.push_back(Wait(2));
  script.push_back(Press(&TFormSettings::cbxKeepInRegistry));
  script.push_back(Wait(2));
  script.push_back(Do([this] { EXPECT_FALSE(Dialog()->cbxKeepInRegistry.Checked()); }));
  script.push_back(Press(&TFormSettings::ButtonOK));
  script.push_back([this] { return Dialog() == nullptr; });
  Run(std::move(script));

  // The switch first, then the whole set, in the file beside the program.
  const settings::IniFile ini = settings::IniFile::Parse(Ini());
  ASSERT_FALSE(ini.SectionNames().empty()) << "no " << folder << "Quonthary.ini";
  EXPECT_EQ(ini.SectionNames()[0], "Quonthary_SETTINGS");
  EXPECT_EQ(ini.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "0");
  ExpectWholeSetIn(ini);
  EXPECT_EQ(Ini().find("\r\n\r\n[Quonthary]\r\n") != std::string::npos, true);
  // The registry had no settings before, and got none.
  EXPECT_EQ(reg->Open(RootKey::CurrentUser, kBase, false), nullptr);

  // The next start reads the file; ticking the box again moves the set to the registry.
  Start();
  EXPECT_FALSE(Ind().UseRegistry);
  script = OpenThroughTheMenu();
  script.push_back(Do([this] { EXPECT_FALSE(Dialog()->cbxKeepInRegistry.Checked()); }));
  script.push_back(Press(&TFormSettings::cbxKeepInRegistry));
  script.push_back(Wait(2));
  script.push_back(Press(&TFormSettings::ButtonOK));
  script.push_back([this] { return Dialog() == nullptr; });
  Run(std::move(script));

  EXPECT_TRUE(Ind().UseRegistry);
  const settings::IniFile after = settings::IniFile::Parse(Ini());
  EXPECT_EQ(after.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "1");
  ExpectWholeSetIn(after);  // the file keeps what it had
  auto key = reg->Open(RootKey::CurrentUser, kBase, false);
  ASSERT_NE(key, nullptr);
  for (const char* name : {"LanguageFile", "Alpha", "SoundNoConn", "ShowInTaskBar"})
    EXPECT_TRUE(key->Query(name)) << name;
  EXPECT_NE(reg->Open(RootKey::CurrentUser, std::string(kBase) + "\\Colors", false), nullptr);
  EXPECT_NE(reg->Open(RootKey::CurrentUser, std::string(kBase) + "\\MacChanger20", false), nullptr);
}

TEST_F(Win32SettingsDialog, ColourAndOpenDialogsAndThePolishNoticeInGerman) {
  reg->Open(RootKey::CurrentUser, kBase, true)->SetString("LanguageFile", "Deutsch.lng");
  Start();
  std::deque<Step> script = OpenThroughTheMenu();
  // The red notices of the window page, as a click shows them.
  script.push_back(ClickTab(1));
  script.push_back(Wait(2));
  script.push_back(Press(&TFormSettings::rbtnShowInWindow));
  script.push_back(Press(&TFormSettings::cbxHideWhenFull));
  script.push_back(Wait(3));
  script.push_back(Do([this] {
    TFormSettings& d = *Dialog();
    EXPECT_TRUE(d.LabelHide.Visible());
    EXPECT_TRUE(d.LabelRestartRequired.Visible());
    EXPECT_TRUE(d.cbxStayOnTop.Enabled());
    EXPECT_TRUE(screenshot::SaveWindowPng(d.Handle(), Shot("settings-2-window-options-deutsch")));
  }));
  script.push_back(ClickTab(2));
  script.push_back(Wait(3));
  script.push_back(Do([this] {
    TFormSettings& d = *Dialog();
    EXPECT_EQ(d.TabSheetDisplay.Caption(), "Anzeige");
    testing_support::ExpectTidyLayout(d);
    EXPECT_TRUE(screenshot::SaveWindowPng(d.Handle(), Shot("settings-3-display-options-deutsch")));
  }));
  // The full colour dialog, answered with a colour typed into its red, green and blue boxes.
  script.push_back(Press(&TFormSettings::ButtonColCharge));
  script.push_back(AnswerSystemBox(nullptr, "settings-colour-dialog", [](HWND box) {
    // Fully expanded: the boxes of the custom colour are there.
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, 706)));
    SetDlgItemInt(box, 706, 18, FALSE);  // red
    SetDlgItemInt(box, 707, 52, FALSE);  // green
    SetDlgItemInt(box, 708, 86, FALSE);  // blue
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }));
  script.push_back(Wait(3));
  script.push_back(Do([this] { EXPECT_EQ(Dialog()->Label3.Font().Color, 0x563412); }));

  // The open dialog of the second sound panel, once its sound-file button is chosen.
  script.push_back(ClickTab(3));
  script.push_back(Wait(2));
  script.push_back(
      Do([this] { PostMessageA(Hwnd(Dialog()->Sounds[1].rbtnSoundFile), BM_CLICK, 0, 0); }));
  script.push_back(Wait(2));
  script.push_back(Do([this] {
    TSoundPanel& p = Dialog()->Sounds[1];
    ASSERT_TRUE(p.sbtnOpen.Enabled());
    PostClick(Hwnd(p.Panel), p.sbtnOpen.Left() + 5, p.sbtnOpen.Top() + 5);
  }));
  std::string typed = folder + "Sound\\ding";  // the default extension completes it
  script.push_back(AnswerSystemBox("Open sound file", "settings-open-dialog", [typed](HWND box) {
    char filter[128] = {};
    HWND types = GetDlgItem(box, cmb1);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 2);
    SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
    EXPECT_EQ(std::string(filter), "WAV File (*.wav)");
    HWND name = GetDlgItem(box, cmb13);
    if (!name) name = GetDlgItem(box, edt1);
    ASSERT_NE(name, nullptr);
    SetWindowTextA(name, typed.c_str());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }));
  script.push_back(Wait(3));
  script.push_back(Do([this, typed] {
    const std::string picked = Dialog()->Sounds[1].edtSound.Text();
    EXPECT_TRUE(_stricmp(picked.c_str(), (typed + ".wav").c_str()) == 0) << picked;
  }));

  // A check address too short: the fixed Polish notice, letters intact.
  script.push_back(ClickTab(2));
  script.push_back(Wait(2));
  script.push_back(Press(&TFormSettings::CheckBoxCheckConnection));
  script.push_back(Wait(1));
  script.push_back(Do([this] { SetWindowTextA(Hwnd(Dialog()->EditCheckConnectionIP), "10.0"); }));
  script.push_back(Wait(1));
  script.push_back(Press(&TFormSettings::ButtonOK));
  std::wstring shown;
  script.push_back(AnswerSystemBox("Quonthary", "settings-polish-message", [&shown](HWND box) {
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    shown = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }));
  script.push_back(Wait(2));
  script.push_back(Do([this] {
    TFormSettings& d = *Dialog();
    EXPECT_EQ(d.PageControl1.ActivePage(), &d.TabSheetDisplay);
    EXPECT_EQ(GetFocus(), Hwnd(d.EditCheckConnectionIP));
    EXPECT_TRUE(screenshot::SaveWindowPng(d.Handle(), Shot("settings-display-after-notice")));
  }));
  script.push_back(Press(&TFormSettings::ButtonCancel));
  script.push_back([this] { return Dialog() == nullptr; });
  Run(std::move(script));

  EXPECT_EQ(shown,
            L"Uzupe\u0142nij adres IP, z kt\u00F3rym ma by\u0107 sprawdzone po\u0142\u0105czenie");
  // Cancelled: the colour and the file were never applied.
  EXPECT_EQ(Ind().Cfg.WhenCharging, 16777215);
  EXPECT_EQ(Ind().Cfg.SoundOption2, 2);
}

TEST(Win32CodePage1250, AgreesWithTheSystemsConversion) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string one(1, char(byte));
    wchar_t system[4] = {};
    ASSERT_EQ(MultiByteToWideChar(1250, 0, one.data(), 1, system, 4), 1) << byte;
    EXPECT_EQ(std::u16string(1, char16_t(system[0])), i18n::WideFromWindows1250(one)) << byte;
  }
}

}  // namespace
