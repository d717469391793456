// The README's pictures, made the way a user meets the program: the indicator docked in the
// taskbar and as a window, its context menu opened by a right click with the IP profiles
// open, the switcher chosen from the menu and the three editors opened by its "Configure"
// buttons, the five settings pages, the battery history over prepared logs, the about
// dialog, and a profile chosen from the menu with its confirmation and timed message. The
// program holds example profiles ("Office", "Home", a proxy, a MAC) so that the pictures show
// something real. Each picture goes to build/screenshots/readme/; scripts/docs copies them
// into docs/.
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
#include "tests/win32/UserSteps.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using sys::RootKey;
using usersteps::Choose;
using usersteps::Click;
using usersteps::Do;
using usersteps::Step;
using usersteps::Wait;
using usersteps::WaitFor;
using win32test::Hwnd;
using win32test::Settle;

const char kBase[] = "\\Software\\Quonthary";
const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// A discharge period as the program logs it: the charge falls by one every step seconds.
std::string Log(int from, int to, int step) {
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
profiles::ProfileTables ExampleProfiles() {
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
screenshot::Capture Part(const screenshot::Capture& screen, RECT r) {
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

int Colours(const screenshot::Capture& shot) {
  std::vector<std::uint32_t> colours(shot.Pixels);
  std::sort(colours.begin(), colours.end());
  return int(std::unique(colours.begin(), colours.end()) - colours.begin());
}

class Win32ReadmePictures : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    shots = std::string(cwd) + "\\..\\screenshots\\readme\\";
    folder = sys::Win32Environment().TempPath() + "quonthary_readme\\";
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
    fake.Registry.PutValue(RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
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
    fake.Registry.PutValue(RootKey::CurrentUser, path, name, {sys::ValueKind::String, text, 0});
  }
  void Adapter(const std::string& link, const std::string& description,
               const std::string& address) {
    const std::string key = std::string(changers::kAdapterClassKey) + "\\" + link;
    for (const auto& [name, text] : {std::pair<const char*, std::string>{"BusType", "5"},
                                     {"DriverDesc", description},
                                     {"NetworkAddress", address}})
      if (!text.empty())
        fake.Registry.PutValue(RootKey::LocalMachine, key, name, {sys::ValueKind::String, text, 0});
  }

  TFormQuonthary& Start() {
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
  void Run(std::deque<Step> todo, int timeoutMs = 30000) {
    driver->Run(std::move(todo), timeoutMs);
  }
  Step RightClick() { return usersteps::RightClick(Ind()); }
  Step FromTheMenu(const ui::TMenuItem& item) { return Choose(Ind().PopupMenu.Items(), item); }
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
};

TEST_F(Win32ReadmePictures, TheIndicatorDockedInTheTaskbar) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) GTEST_SKIP() << "this desktop has no taskbar";
  TFormQuonthary& f = Start();
  for (int i = 0; i < 3; ++i) {
    f.TimerTimer(&f);
    Settle();
  }
  HWND window = Hwnd(f);
  ASSERT_TRUE(IsWindowVisible(window));
  RECT bar{}, gauge{};
  GetWindowRect(taskbar, &bar);
  GetWindowRect(window, &gauge);
  // The right end of the taskbar with a strip of the desktop above it.
  RECT around{bar.right - 280, bar.top - 24, bar.right, bar.bottom};
  EXPECT_GE(gauge.left, around.left);
  EXPECT_LE(gauge.bottom, around.bottom);
  EXPECT_GE(gauge.top, bar.top);
  const screenshot::Capture docked = Part(screenshot::Screen(), around);
  // The gauge is on the picture: its charged part is not the taskbar's face.
  const screenshot::Capture printed = screenshot::PrintClient(f.Handle());
  EXPECT_EQ(docked.Pixel(gauge.left - around.left + 6, gauge.top - around.top + 7),
            printed.Pixel(6, 7));
  Save(docked.Scaled(2), "indicator-taskbar");
}

TEST_F(Win32ReadmePictures, TheIndicatorAsAWindow) {
  // On the desktop, where the user put it.
  Put(kBase, "ShowInTaskBar", "0");
  Put(kBase, "Left", "600");
  Put(kBase, "Top", "400");
  TFormQuonthary& w = Start();
  for (int i = 0; i < 3; ++i) {
    w.TimerTimer(&w);
    Settle();
  }
  ASSERT_TRUE(IsWindowVisible(Hwnd(w)));
  EXPECT_EQ(GetAncestor(Hwnd(w), GA_PARENT), GetDesktopWindow());
  RECT gauge{};
  GetWindowRect(Hwnd(w), &gauge);
  EXPECT_EQ(gauge.left, 600);
  EXPECT_EQ(gauge.top, 400);
  const screenshot::Capture floating = Part(
      screenshot::Screen(), {gauge.left - 30, gauge.top - 12, gauge.right + 30, gauge.bottom + 12});
  Save(floating.Scaled(4), "indicator-window");
}

TEST_F(Win32ReadmePictures, TheContextMenuWithTheIPProfiles) {
  TFormQuonthary& f = Start();
  screenshot::Capture shot;
  int menus = 0, profileItems = 0;
  Run({RightClick(), Choose(f.PopupMenu.Items(), f.mnuIPChanger, VK_RIGHT),
       [&] { return menusteps::MenuWindows().size() == 2; }, Wait(3), Do([&] {
         const auto open = menusteps::MenuWindows();
         menus = int(open.size());
         HMENU items = reinterpret_cast<HMENU>(SendMessageA(open.back(), MN_GETHMENU, 0, 0));
         profileItems = GetMenuItemCount(items);
         shot = menusteps::CaptureMenus(12);
         EndMenu();
       }),
       [] { return menusteps::MenuWindows().empty(); }});
  EXPECT_EQ(menus, 2);
  // "Configure", the separator, "Office", "Home" and "Hotel".
  EXPECT_EQ(profileItems, 5);
  EXPECT_TRUE(f.mnuIP[0]->Checked());
  EXPECT_EQ(f.mnuIP[1]->Caption(), "Home");
  Save(shot, "context-menu");
}

TEST_F(Win32ReadmePictures, TheSwitcherFromTheMenuAndTheEditorsFromItsConfigureButtons) {
  TFormQuonthary& f = Start();
  TFormChanger* switcher = nullptr;
  TFormIPChanger* ip = nullptr;
  TFormProxy* proxy = nullptr;
  TFormMacChanger* mac = nullptr;
  std::deque<Step> script{RightClick(), FromTheMenu(f.mnuIPChangerDialog), WaitFor(switcher)};
  script.push_back(Do([&] {
    ASSERT_TRUE(switcher->btnIP[0]->Visible());
    EXPECT_EQ(ui::StripAccelerator(switcher->btnIP[0]->Caption()), "Office");
    EXPECT_EQ(ui::StripAccelerator(switcher->btnIP[1]->Caption()), "Home");
    EXPECT_FALSE(switcher->btnIP[3]->Visible());
    SaveWindow(*switcher, "Quonthary Changer", "switcher");
  }));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonConfigureIP), BM_CLICK, 0, 0); }));
  script.push_back(WaitFor(ip));
  script.push_back(Do([&] { Pick(ip->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(ip->EditProfName.Text(), "Office");
    EXPECT_EQ(win32test::TextOf(Hwnd(ip->EditIP)), "10.0.0.5");
    SaveWindow(*ip, "IP Changer", "ip-editor");
    PostMessageA(Hwnd(ip->Button2), BM_CLICK, 0, 0);
  }));
  // Each menu item opens the switcher on its own page, whose "Configure" opens its editor.
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuProxyChangerDialog));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] {
    EXPECT_EQ(switcher->PageControl.ActivePage(), &switcher->TabSheetProxy);
    EXPECT_EQ(ui::StripAccelerator(switcher->btnPX[0]->Caption()), "Office proxy");
    PostMessageA(Hwnd(switcher->ButtonConfigureProxy), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(proxy));
  script.push_back(Do([&] { Pick(proxy->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(proxy->EditProfName.Text(), "Office proxy");
    SaveWindow(*proxy, "Proxy Server Changer", "proxy-editor");
    PostMessageA(Hwnd(proxy->Button2), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuMacChangerDialog));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] {
    EXPECT_EQ(switcher->PageControl.ActivePage(), &switcher->TabSheetMAC);
    PostMessageA(Hwnd(switcher->ButtonConfigureMac), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(mac));
  script.push_back(Do([&] { Pick(mac->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(mac->EditProfName.Text(), "Home card");
    EXPECT_EQ(win32test::TextOf(Hwnd(mac->EditMacAddress)), "02A1B2C3D4E5");
    SaveWindow(*mac, "MAC Address Changer", "mac-editor");
    PostMessageA(Hwnd(mac->Button2), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 4u);
}

TEST_F(Win32ReadmePictures, TheFiveSettingsPages) {
  TFormQuonthary& f = Start();
  TFormSettings* d = nullptr;
  std::deque<Step> script{RightClick(), FromTheMenu(f.mnuSettings), WaitFor(d)};
  const char* const pages[] = {"general", "window-options", "display-options", "sound", "hot-keys"};
  for (int page = 0; page < 5; ++page) {
    script.push_back(Do([&d, page] { ClickTab(d->PageControl1, page); }));
    script.push_back(Wait(3));
    script.push_back(Do([this, &d, page, name = pages[page]] {
      EXPECT_EQ(d->PageControl1.ActivePageIndex(), page);
      SaveWindow(*d, "Quonthary Settings", "settings-" + std::to_string(page + 1) + "-" + name);
    }));
  }
  script.push_back(Do([&] {
    EXPECT_TRUE(d->cbxHotKeyIPChanger.Checked());
    EXPECT_FALSE(d->cbxHotKeyToFront.Checked());
    PostMessageA(Hwnd(d->ButtonCancel), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormSettings == nullptr || !f.FormSettings->Visible(); });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 5u);
}

TEST_F(Win32ReadmePictures, TheBatteryHistoryAndTheAboutDialogFromTheMenu) {
  TFormQuonthary& f = Start();
  TFormBatteryHistory* history = nullptr;
  TFormAbout* about = nullptr;
  std::deque<Step> script{RightClick(),
                          FromTheMenu(f.mnuBatteryHistory),
                          [&] {
                            history = f.FormBatteryHistory.get();
                            return history && IsWindowVisible(Hwnd(*history));
                          },
                          Wait(4),
                          Do([&] {
                            EXPECT_EQ(history->History().Periods.size(), 4u);
                            SaveWindow(*history, "Battery history", "battery-history");
                            PostMessageA(Hwnd(history->ButtonClose), BM_CLICK, 0, 0);
                          }),
                          [&] { return f.FormBatteryHistory == nullptr; }};
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuAbout));
  script.push_back(WaitFor(about));
  script.push_back(Do([&] {
    SaveWindow(*about, "About Quonthary", "about");
    PostMessageA(Hwnd(about->Button1), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormAbout == nullptr; });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 2u);
}

TEST_F(Win32ReadmePictures, AProxyProfileFromTheMenuWithItsConfirmationAndTimedMessage) {
  TFormQuonthary& f = Start();
  TFormMessageChanger* confirmation = nullptr;
  TFormMsgBox* box = nullptr;
  std::string message;
  Run({RightClick(), Choose(f.PopupMenu.Items(), f.mnuProxyChanger, VK_RIGHT),
       [] { return menusteps::MenuWindows().size() == 2; }, Choose(f.mnuProxyChanger, *f.mnuPX[0]),
       WaitFor(confirmation), Do([&] {
         const std::string title = win32test::TextOf(Hwnd(*confirmation));
         EXPECT_EQ(title.rfind("Quonthary - ", 0), 0u) << title;
         SaveWindow(*confirmation, title, "confirmation");
         PostMessageA(Hwnd(confirmation->Button1), BM_CLICK, 0, 0);
       }),
       WaitFor(box), Do([&] {
         message = box->LabelMsg.Caption();
         SaveWindow(*box, "Quonthary", "timed-message");
         PostMessageA(Hwnd(box->ButtonOK), BM_CLICK, 0, 0);
       }),
       [&] { return f.FormMsgBox == nullptr; }});
  EXPECT_EQ(message, "Server Proxy was changed!\nThe proxy settings are in force.");
  EXPECT_EQ(saved.size(), 2u);
}

}  // namespace
