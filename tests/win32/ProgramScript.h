// The real program run as a user runs it, for the tests that photograph its windows: the
// indicator on the running desktop over a fake platform that holds example profiles (an
// office, a home and a hotel, a proxy, a MAC), four logged battery periods and the German
// language file, worked by a script of steps that run one per tick of whichever loop is
// running (tests/win32/UserSteps.h), with tabs and combo picks and pictures of windows.
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
#include "tests/DischargeLogSample.h"
#include "tests/IndicatorFixture.h"
#include "tests/ProfileSamples.h"
#include "tests/win32/MenuSteps.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/UserSteps.h"
#include "tests/win32/Win32Fixture.h"

namespace win32test {

inline constexpr char kBase[] = "\\Software\\Quonthary";
inline constexpr char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The profiles a user with an office, a home and a hotel might keep.
inline profiles::ProfileTables ExampleProfiles() {
  profiles::ProfileTables t;
  t.IPProfiles[0] = testing_support::OfficeProfile(0);
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
    PutLog("20080103_090000.txt", testing_support::DischargeLog(100, 40, 150));
    PutLog("20080110_090000.txt", testing_support::DischargeLog(98, 55, 130));
    PutLog("20080117_090000.txt", testing_support::DischargeLog(100, 62, 110));
    PutLog("20080124_143012.txt", testing_support::DischargeLog(97, 70, 100));

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

    driver = std::make_unique<usersteps::Script>();
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
    // The gauge as after its first second, whenever a picture is taken; its own timer
    // stopped, so that a slow run's extra tick does not move the charging arrow on.
    Ind().Timer.SetEnabled(false);
    Ind().TimerTimer(&Ind());
    Settle();
    return Ind();
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  // ---- the script, one step per tick of whichever loop runs ----
  void Run(std::deque<usersteps::Step> todo, int timeoutMs = 30000) {
    driver->Run(std::move(todo), timeoutMs);
  }
  usersteps::Step RightClick() { return usersteps::RightClick(Ind()); }
  usersteps::Step FromTheMenu(const ui::TMenuItem& item) {
    return usersteps::Choose(Ind().PopupMenu.Items(), item);
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
  // A window as the user sees it, with its frame, titled as expected: taken once every
  // button in it has reached the screen.
  void SaveWindow(ui::TForm& window, const std::string& title, const std::string& name) {
    HWND w = Hwnd(window);
    ASSERT_TRUE(IsWindowVisible(w)) << name;
    EXPECT_EQ(win32test::TextOf(w), title) << name;
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    screenshot::Capture shot;
    std::vector<std::string> missing;
    win32test::SettleUntil([&] {
      shot = screenshot::Window(window.Handle());
      missing = screenshot::MissingButtons(shot, window.Handle());
      return missing.empty();
    });
    for (const std::string& button : missing) ADD_FAILURE() << name << " lacks " << button;
    Save(shot, name);
  }

  sys::FakePlatform fake;
  sys::Win32Desktop screen;
  sys::Platform platform{fake.PowerSource,     fake.Registry,    fake.Mixer,     fake.HotKeys,
                         fake.MonitorPower,    fake.Sound,       fake.Processes, fake.IcmpEcho,
                         fake.VersionInfo,     fake.Environment, screen,         fake.Clock,
                         fake.InternetSettings};
  std::string folder, shots;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<usersteps::Script> driver;
  std::vector<std::string> saved;

 private:
  std::string folderName_, shotFolder_;
};

}  // namespace win32test
