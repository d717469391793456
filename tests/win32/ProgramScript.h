// The real program run as a user runs it, for the tests that photograph its windows: the
// indicator on the running desktop over a fake platform that holds example profiles (an
// office, a home and a hotel, a proxy, a MAC), four logged battery periods and the German
// language file, worked by a script of steps that run one per tick of whichever loop is
// running (the program's own, a modal dialog's, an open menu's): right clicks, menu choices
// by the arrow keys, posted button clicks, tabs and combo picks, and pictures of windows.
#pragma once
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"
#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "changers/NetworkAdapters.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormBatteryHistory.h"
#include "dialogs/FormMsgBox.h"
#include "profiles/FormChanger.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormMessageChanger.h"
#include "profiles/ProfileStorage.h"
#include "settings/FormSettings.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/MenuSteps.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace win32test {

inline constexpr char kBase[] = "\\Software\\Quonthary";
inline constexpr char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// A discharge period as the program logs it: the charge falls by one every step seconds.
inline std::string Log(int from, int to, int step) {
  std::string text = "Perc[%]\tTime[s]\tTime\r\n";
  for (int p = from, s = 0; p >= to; --p, s += step) {
    char line[64];
    std::snprintf(line, sizeof line, "%03d\t%06d\t%d:%02d:%02d\r\n", p, s, s / 3600, s / 60 % 60,
                  s % 60);
    text += line;
  }
  return text;
}

// The profiles a user with an office, a home and a hotel might keep.
inline profiles::ProfileTables ExampleProfiles() {
  profiles::ProfileTables t;
  t.IPProfiles[0] = {true,
                     "Office",
                     false,
                     "10.0.0.5",
                     "255.255.255.0",
                     "10.0.0.1",
                     "10.0.0.2",
                     "10.0.0.3",
                     "Local Area Connection",
                     0,
                     -1};
  t.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "Wireless Network Connection", 1, 0};
  t.IPProfiles[2] = {true, "Hotel", true, "", "", "", "", "", "Wireless Network Connection", 1, -1};
  t.ProxyProfiles[0] = {true, "Office proxy", true, "10.0.0.8", "8080", true};
  t.ProxyProfiles[1] = {true, "No proxy", false, "", "", false};
  t.MacProfiles[0] = {true, "Home card", "Intel(R) PRO/Wireless 2200BG Network Connection",
                      true, "0001",      "02A1B2C3D4E5"};
  t.ConnectionNames = {"Local Area Connection", "Wireless Network Connection"};
  t.AppliedMarks[0] = true;
  return t;
}

// The part of a capture within a rectangle of the screen.
inline screenshot::Capture Part(const screenshot::Capture& screen, RECT r) {
  r.left = std::max<LONG>(r.left, 0);
  r.top = std::max<LONG>(r.top, 0);
  r.right = std::min<LONG>(r.right, screen.Width);
  r.bottom = std::min<LONG>(r.bottom, screen.Height);
  screenshot::Capture part;
  part.Width = r.right - r.left;
  part.Height = r.bottom - r.top;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) part.Pixels.push_back(screen.Pixel(x, y));
  return part;
}

inline int Colours(const screenshot::Capture& shot) {
  std::vector<std::uint32_t> colours(shot.Pixels);
  std::sort(colours.begin(), colours.end());
  return int(std::unique(colours.begin(), colours.end()) - colours.begin());
}

using Step = std::function<bool()>;  // true: done

class ProgramScript : public Win32Ui {
 protected:
  // shotFolder: below build/screenshots/ ("" for that folder itself).
  ProgramScript(std::string folderName, std::string shotFolder)
      : folderName_(std::move(folderName)), shotFolder_(std::move(shotFolder)) {}
  void SetUp() override {
    Win32Ui::SetUp();
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    shots = std::string(cwd) + "\\..\\screenshots\\" + shotFolder_;
    std::filesystem::create_directories(shots);
    folder = sys::Win32Environment().TempPath() + folderName_ + "\\";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "discharging_log");
    std::filesystem::create_directories(folder + "language");
    std::filesystem::create_directories(folder + "Skin");
    const std::string resources = std::string(Q_SOURCE_DIR) + "\\resources\\";
    std::filesystem::copy_file(resources + "language\\Deutsch.lng",
                               folder + "language\\Deutsch.lng");
    std::filesystem::copy(resources + "Skin", folder + "Skin",
                          std::filesystem::copy_options::recursive);
    // Four periods of a battery growing older.
    PutLog("20080103_090000.txt", Log(100, 40, 150));
    PutLog("20080110_090000.txt", Log(98, 55, 130));
    PutLog("20080117_090000.txt", Log(100, 62, 110));
    PutLog("20080124_143012.txt", Log(97, 70, 100));

    fake.Environment.Exe = folder + "Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    fake.PowerSource.Status = testing_support::OnMains(82, true);
    testing_support::SeenAboutDialog(fake);
    // The profile submenus in the context menu, and a few hot keys switched on.
    for (const char* name : {"ShowMenuChange", "HotKeyVolume", "HotKeyMute", "HotKeyIPChanger",
                             "HotKeyProxyChanger", "HotKeyMacChanger"})
      Put(kBase, name, "1");
    settings::SettingsStore store(fake.Registry, folder + "Quonthary.ini");
    const profiles::ProfileTables examples = ExampleProfiles();
    profiles::SaveProfileData(store, true, nullptr, examples);
    profiles::SaveAppliedMarks(store, true, nullptr, examples);
    // The office proxy is in force; the laptop has a wired and a wireless adapter.
    fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
                           {sys::ValueKind::Dword, "", 1});
    Put(kInternetSettings, "ProxyServer", "10.0.0.8:8080");
    Put(kInternetSettings, "ProxyOverride", "<local>");
    Adapter("0000", "Realtek RTL8139 Family PCI Fast Ethernet NIC", "");
    Adapter("0001", "Intel(R) PRO/Wireless 2200BG Network Connection", "02A1B2C3D4E5");

    driver = std::make_unique<ui::TTimer>(&ui::Application(), "Driver", 100, true);
    driver->SetOnTimer([this](ui::TObject*) { Tick(); });
  }
  void TearDown() override {
    driver.reset();
    owner.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    Win32Ui::TearDown();
  }
  void PutLog(const std::string& name, const std::string& text) {
    std::ofstream(folder + "discharging_log\\" + name, std::ios::binary) << text;
  }
  void Put(const std::string& path, const std::string& name, const std::string& text) {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name,
                           {sys::ValueKind::String, text, 0});
  }
  void Adapter(const std::string& link, const std::string& description,
               const std::string& address) {
    const std::string key = std::string(changers::kAdapterClassKey) + "\\" + link;
    for (const auto& [name, text] : {std::pair<const char*, std::string>{"BusType", "5"},
                                     {"DriverDesc", description},
                                     {"NetworkAddress", address}})
      if (!text.empty())
        fake.Registry.PutValue(sys::RootKey::LocalMachine, key, name,
                               {sys::ValueKind::String, text, 0});
  }

  // A start (again): the windows of an earlier one, and the hot keys they held, are gone.
  TFormQuonthary& Start() {
    owner.reset();
    fake.HotKeys.Registered.clear();
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    ui::Application().SetMainForm(owner.get());
    owner->SetVisible(false);
    Settle();
    return Ind();
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  // ---- the script, one step per tick of whichever loop runs ----
  void Tick() {
    if (steps.empty() || busy) return;
    busy = true;
    if (steps.front()()) steps.pop_front();
    busy = false;
  }
  void Run(std::deque<Step> todo, int timeoutMs = 30000) {
    steps = std::move(todo);
    for (int waited = 0; !steps.empty() && waited < timeoutMs; waited += 20) {
      Settle();
      Sleep(20);
    }
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps left undone";
    steps.clear();
    // Whatever is still open is closed, so that a failed run does not hang the next test.
    for (int i = 0; i < 20; ++i) {
      ui::TForm* open = OpenModal();
      if (!open) break;
      open->Close();
      Settle();
    }
  }
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
  // The window of the innermost modal run.
  static ui::TForm* OpenModal() {
    ui::TForm* found = nullptr;
    for (ui::TComponent* c : ui::Application().Components()) {
      auto* form = dynamic_cast<ui::TForm*>(c);
      if (form && form->Modal() && form->Visible() && IsWindowVisible(Hwnd(*form))) found = form;
    }
    return found;
  }
  // Waits until a window of type W is the one up, and painted.
  template <class W>
  static Step WaitFor(W*& window) {
    auto seen = std::make_shared<int>(0);
    return [&window, seen] {
      auto* open = dynamic_cast<W*>(OpenModal());
      if (!open) {
        *seen = 0;
        return false;
      }
      if (++*seen < 4) return false;
      window = open;
      return true;
    };
  }

  // The right button on the indicator.
  Step RightClick() {
    return Do([this] {
      PostMessageA(Hwnd(Ind()), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
      PostMessageA(Hwnd(Ind()), WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    });
  }
  // An item of the open menu (the newest menu window), reached with the arrow keys and then
  // chosen with key: Enter for a command, the right arrow to open a submenu.
  static Step Choose(const ui::TMenuItem& parent, const ui::TMenuItem& item,
                     WPARAM key = VK_RETURN) {
    return [&parent, &item, key] {
      const auto menus = menusteps::MenuWindows();
      if (menus.empty()) return false;
      HWND menu = menus.back();
      HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      // Owner-drawn items carry no text: the item's place among those shown.
      int place = -1, shown = 0;
      for (int i = 0; i < parent.Count(); ++i) {
        if (!parent.Item(i)->Visible()) continue;
        if (parent.Item(i) == &item) place = shown;
        ++shown;
      }
      EXPECT_GE(place, 0) << item.Name();
      if (place < 0) return true;
      const bool lit = GetMenuState(items, UINT(place), MF_BYPOSITION) & MF_HILITE;
      PostMessageA(menu, WM_KEYDOWN, lit ? key : VK_DOWN, 0);
      return lit;
    };
  }
  Step FromTheMenu(const ui::TMenuItem& item) { return Choose(Ind().PopupMenu.Items(), item); }
  static Step Click(ui::TWinControl& control) {
    return Do([&control] { PostMessageA(Hwnd(control), BM_CLICK, 0, 0); });
  }
  static void ClickTab(ui::TPageControl& pages, int index) {
    HWND tabs = Hwnd(pages);
    RECT r{};
    SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tabs, WM_LBUTTONUP, 0, at);
  }
  static void Pick(ui::TComboBox& combo, int index) {
    SendMessageA(Hwnd(combo), CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(GetParent(Hwnd(combo)), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(Hwnd(combo)), CBN_SELCHANGE), LPARAM(Hwnd(combo)));
  }

  // Saves a picture under its name; it must hold more than a plain face.
  void Save(const screenshot::Capture& shot, const std::string& name) {
    ASSERT_FALSE(shot.Empty()) << name;
    EXPECT_GT(Colours(shot), 8) << name;
    EXPECT_TRUE(shot.SavePng(shots + name + ".png")) << name;
    saved.push_back(name);
  }
  // A window as the user sees it, with its frame, titled as expected.
  void SaveWindow(ui::TForm& window, const std::string& title, const std::string& name) {
    HWND w = Hwnd(window);
    ASSERT_TRUE(IsWindowVisible(w)) << name;
    EXPECT_EQ(win32test::TextOf(w), title) << name;
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Save(screenshot::Window(window.Handle()), name);
  }

  sys::FakePlatform fake;
  sys::Win32Desktop screen;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, screen,         fake.Clock,
                         fake.InternetSettings};
  std::string folder, shots;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> driver;
  std::deque<Step> steps;
  bool busy = false;
  std::vector<std::string> saved;

 private:
  std::string folderName_, shotFolder_;
};

}  // namespace win32test
