// The indicator's commands in real windows: the context menu opened by a right click, the
// hot keys registered with the system on the owner window, WM_HOTKEY opening the switcher on
// one page (photographed with its in-force marks), volume and mute on the system's mixer,
// and taskbar mode on a desktop without a taskbar. The battery, registry and sounds are
// fakes, so the user's settings are never touched.
// Before <windows.h>: the indicator's header names key codes that <windows.h> makes macros.
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <commctrl.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/FormMsgBox.h"
#include "profiles/FormChanger.h"
#include "profiles/FormMessageChanger.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32HotKeys.h"
#include "system/win32/Win32IpHelper.h"
#include "system/win32/Win32EndpointVolume.h"
#include "system/win32/Win32Mixer.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/StandInTaskbar.h"
#include "tests/win32/TestWindow.h"
#include "tests/win32/UserSteps.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;
using profiles::ProfileKind;

const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Reads the text of every message box of this process, then presses its OK button.
class MessageBoxReader {
 public:
  MessageBoxReader() : thread_([this] { Run(); }) {}
  ~MessageBoxReader() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::string> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  void Run() {
    while (!stop_) {
      EnumWindows(&MessageBoxReader::Visit, reinterpret_cast<LPARAM>(this));
      Sleep(50);
    }
  }
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd) || ClassOf(hwnd) != "#32770")
      return TRUE;
    char text[1024] = {};
    GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text);  // the box's message
    auto* reader = reinterpret_cast<MessageBoxReader*>(self);
    {
      std::lock_guard<std::mutex> lock(reader->mutex_);
      reader->texts_.push_back(text);
    }
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    Sleep(200);  // gone before the next look
    return TRUE;
  }
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

// The running desktop, less its taskbar: as a shell replacement or Wine's default desktop.
class DesktopWithoutTaskbar : public sys::Win32Desktop {
 public:
  sys::WindowHandle FindWindow(const std::string& className) override {
    return className == "Shell_TrayWnd" ? 0 : sys::Win32Desktop::FindWindow(className);
  }
};

class Win32Commands : public Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    fake.Environment.Exe = sys::Win32Environment().TempPath() + "quonthary_commands\\Quonthary.exe";
    fake.Environment.Temp = sys::Win32Environment().TempPath();
    fake.PowerSource.Status = testing_support::OnBattery(64, 5025, 9000);
    Put("ShowInTaskBar", "0");
    Put("Left", "300");
    Put("Top", "300");
    testing_support::SeenAboutDialog(fake);
  }
  void TearDown() override {
    answerer.reset();
    owner.reset();
    Win32Ui::TearDown();
  }

  void Put(const std::string& name, const std::string& value,
           const std::string& path = "\\Software\\Quonthary") {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name,
                           {sys::ValueKind::String, value, 0});
  }
  // Starts as the program does, on the real desktop, hot keys and mixer.
  TFormQuonthary& Start(sys::Desktop* screen = nullptr) {
    platform = std::make_unique<sys::Platform>(sys::Platform{
        fake.PowerSource, fake.Registry, mixer, keys, fake.MonitorPower, fake.Sound, fake.Processes,
        fake.IcmpEcho, fake.VersionInfo, fake.Environment, screen ? *screen : desktop, fake.Clock,
        fake.InternetSettings, sys::SystemIpHelper(), sys::SystemBatteryDevices(), endpoint});
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), *platform);
    ui::Application().SetMainForm(owner.get());
    ui::Application().ShowWindow(ui::SW_Hide);
    owner->SetVisible(false);
    owner->Show();
    Settle();
    // The volume opens once the indicator has painted (a timer's message, after the paint).
    for (int i = 0; i < 100 && owner->Indicator->TimerOpenVolume.Enabled(); ++i) Pump(10);
    return *owner->Indicator;
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }
  // Runs step every 100 ms (from whatever message loop runs) with a count of its calls.
  void EveryTick(std::function<void(int tick)> step) {
    ticks = 0;
    answerer = std::make_unique<ui::TTimer>(&ui::Application(), "Answerer", 100, true);
    answerer->SetOnTimer([this, step](ui::TObject*) { step(++ticks); });
  }
  // Lets posted messages run, for at most ms.
  static void Pump(int ms) {
    for (int waited = 0; waited < ms; waited += 20) {
      Settle();
      Sleep(20);
    }
  }

  sys::FakePlatform fake;
  sys::Win32Desktop desktop;
  sys::Win32HotKeys keys;
  sys::Win32Mixer mixer;
  sys::Win32EndpointVolume endpoint;
  std::unique_ptr<sys::Platform> platform;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> answerer;
  int ticks = 0;
};

TEST_F(Win32Commands, HotKeysLiveOnTheOwnerWindowAndATakenOneIsReported) {
  // Another program holds Win+PageDown.
  TestWindow other;
  ASSERT_TRUE(RegisterHotKey(other.Hwnd(), 1, MOD_WIN, VK_NEXT));
  Put("HotKeyVolume", "1");
  Put("HotKeyIPChanger", "1");
  Put("HotKeyProxyChanger", "1");
  std::vector<std::string> boxes;
  {
    MessageBoxReader reader;
    Start();  // the warning comes up during the start
    boxes = reader.Texts();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Hot-Keys:\n  Win+PageDown\nare using by another application!");

  // The program holds the others now: registering them again fails, for anyone.
  EXPECT_FALSE(RegisterHotKey(other.Hwnd(), 2, MOD_WIN | MOD_SHIFT, '1'));
  EXPECT_FALSE(RegisterHotKey(other.Hwnd(), 3, MOD_WIN, VK_PRIOR));
  // They are the owner form's: let go there, the key is free.
  EXPECT_TRUE(UnregisterHotKey(Hwnd(*owner), 44206));
  EXPECT_TRUE(RegisterHotKey(other.Hwnd(), 4, MOD_WIN | MOD_SHIFT, '2'));
  UnregisterHotKey(other.Hwnd(), 4);
  UnregisterHotKey(other.Hwnd(), 1);
}

TEST_F(Win32Commands, AHotKeyMessageOpensTheSwitcherOnOnePageWithItsMarks) {
  Put("HotKeyProxyChanger", "1");
  Put("HotKeyIPChanger", "1");
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
                         {sys::ValueKind::Dword, "", 1});
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer",
                         {sys::ValueKind::String, "127.0.0.1:3128", 0});
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyOverride",
                         {sys::ValueKind::String, "<local>", 0});
  TFormQuonthary& f = Start();
  profiles::ProfileTables& t = f.Profiles;
  t.ProxyProfiles[0] = {true, "Direct connection", false, "", "", false};
  t.ProxyProfiles[1] = {true, "Office proxy", true, "127.0.0.1", "3128", true};
  t.ProxyProfiles[3] = {true, "Home proxy", true, "127.0.0.1", "8080", false};
  t.ProxyProfiles[6] = {true, "Laboratory (same server)", true, "127.0.0.1", "3128", false};
  // One connection wine really has (its first with an address other than the loopback's),
  // and one it has not: the IP page tells what each has now.
  const auto connections = sys::Win32IpHelper().Connections();
  ASSERT_TRUE(connections);
  const sys::ConnectionConfig* lan = nullptr;
  for (const sys::ConnectionConfig& c : *connections)
    if (!c.Addresses.empty() && (!lan || lan->Addresses[0].Address == "127.0.0.1")) lan = &c;
  ASSERT_NE(lan, nullptr);
  t.IPProfiles[0] = {true,
                     "Office, fixed address",
                     false,
                     "10.0.0.5",
                     "255.255.255.0",
                     "10.0.0.1",
                     "",
                     "",
                     lan->Name,
                     -1,
                     -1};
  t.IPProfiles[2] = {true, "Home, DHCP", true, "", "", "", "", "", lan->Name, -1, -1};
  t.IPProfiles[4] = {true, "Cafe, DHCP", true, "", "", "", "", "", "Wireless", -1, -1};
  t.AppliedMarks[2] = true;
  f.UpdateProxyMenuItems();
  f.UpdateIPMenuItems();

  struct Seen {
    bool Shown = false;
    std::vector<std::string> Tabs;
    bool AppButton = false;
    std::uint32_t CirclePixel = 0, MarkPixel = 0, PlainPixel = 0;
    std::string Present;
    bool PresentFits = false;
  };
  auto watch = [&](Seen& seen, ProfileKind kind, int focused, int inForce,
                   const std::string& shotName) {
    EveryTick([&, kind, focused, inForce, shotName](int tick) {
      TFormChanger* w = f.FormChanger.get();
      if (!w || !IsWindowVisible(Hwnd(*w))) return;
      const TFormChanger::Buttons& buttons = w->ButtonsOf(kind);
      if (tick == 2) buttons[std::size_t(focused)]->SetFocus();
      if (tick != 5) return;
      seen.Shown = ClassOf(Hwnd(*w)) == "TFormChanger";
      HWND tabs = FindWindowExA(Hwnd(*w), nullptr, "SysTabControl32", nullptr);
      const int count = tabs ? int(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
      for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        seen.Tabs.push_back(text);
      }
      seen.AppButton = IsWindowVisible(reinterpret_cast<HWND>(ui::Application().Handle()));
      // The sheet paints the circles: lime beside the profile in force, the black focus
      // mark beside the focused one, nothing beside the others.
      screenshot::Capture page = screenshot::PrintClient(w->PageOf(kind).Handle());
      auto centre = [&](int slot) { return buttons[std::size_t(slot)]->Top() + 10; };
      seen.CirclePixel = page.Pixel(4, centre(inForce));
      seen.MarkPixel = page.Pixel(10, centre(focused));
      seen.PlainPixel = page.Pixel(4, centre(focused));
      seen.Present = w->LabelPresentList.Visible() ? w->LabelPresentList.Caption() : "";
      const ui::TextSize text = ui::CurrentBackend().MeasureText(
          w->LabelPresentList.Font(), w->LabelPresentList.Caption(), w->LabelPresentList.Width());
      seen.PresentFits = text.Height <= w->LabelPresentList.Height() &&
                         w->LabelPresent.Top() >= buttons[4]->Bottom() &&
                         w->LabelPresentList.Bottom() <= w->ButtonConfigureIP.Top();
      EXPECT_TRUE(screenshot::Window(w->Handle()).SavePng("..\\screenshots\\" + shotName));
      PostMessageA(Hwnd(*buttons[std::size_t(focused)]), WM_KEYDOWN, VK_ESCAPE, 1);
    });
  };

  Seen proxy;
  watch(proxy, ProfileKind::Proxy, 3, 1, "switcher-proxy.png");
  PostMessageA(Hwnd(*owner), WM_HOTKEY, 44206, MAKELPARAM(MOD_WIN | MOD_SHIFT, '2'));
  Pump(100);  // the switcher's modal run happens in here
  ASSERT_TRUE(proxy.Shown);
  EXPECT_EQ(proxy.Tabs, (std::vector<std::string>{"Proxy Server"}));
  EXPECT_TRUE(proxy.AppButton);
  EXPECT_EQ(proxy.CirclePixel, 0x00FF00u);
  EXPECT_EQ(proxy.MarkPixel, 0x000000u);
  EXPECT_NE(proxy.PlainPixel, 0x00FF00u);
  // Gone without a trace: no window, no taskbar button.
  EXPECT_EQ(f.FormChanger, nullptr);
  EXPECT_EQ(FindWindowA("TFormChanger", nullptr), nullptr);
  EXPECT_FALSE(IsWindowVisible(reinterpret_cast<HWND>(ui::Application().Handle())));
  EXPECT_TRUE(f.Dialogs.Empty());

  Seen ip;
  watch(ip, ProfileKind::IP, 0, 2, "switcher-ip.png");
  PostMessageA(Hwnd(*owner), WM_HOTKEY, 44205, MAKELPARAM(MOD_WIN | MOD_SHIFT, '1'));
  Pump(100);
  ASSERT_TRUE(ip.Shown);
  EXPECT_EQ(ip.Tabs, (std::vector<std::string>{"IP Address"}));
  EXPECT_EQ(ip.CirclePixel, 0x00FF00u);
  std::string addresses;
  for (const sys::Ipv4Unicast& u : lan->Addresses)
    addresses += (addresses.empty() ? "" : ", ") + u.Address;
  EXPECT_EQ(ip.Present, lan->Name + ": " + (lan->Dhcp ? "DHCP (" + addresses + ")" : addresses) +
                            "\nWireless: not found");
  EXPECT_TRUE(ip.PresentFits);
  EXPECT_EQ(FindWindowA("TFormChanger", nullptr), nullptr);
}

TEST_F(Win32Commands, ARightClickOpensTheContextMenu) {
  Put("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  int items = -1, defaultItem = -2;
  bool shot = false;
  EveryTick([&](int tick) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu) || tick < 4) return;
    auto hmenu = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    items = GetMenuItemCount(hmenu);
    defaultItem = int(GetMenuDefaultItem(hmenu, TRUE, 0));
    screenshot::Capture all = screenshot::Screen();
    RECT r;
    GetWindowRect(menu, &r);
    screenshot::Capture part;
    part.Width = r.right - r.left;
    part.Height = r.bottom - r.top;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) part.Pixels.push_back(all.Pixel(x, y));
    shot = part.SavePng("..\\screenshots\\menu-right-click.png");
    EndMenu();
  });
  HWND window = Hwnd(f);
  PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
  PostMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
  Pump(100);
  EXPECT_TRUE(shot);
  // Five general commands (the battery history among them), two separators, three submenus
  // and three switcher items; the switcher's IP item is the default.
  EXPECT_EQ(items, 13);
  EXPECT_EQ(defaultItem, 12);
  // The refresh ran as the menu opened: nothing blocks the commands.
  EXPECT_TRUE(f.mnuIPChangerDialog.Enabled());
}

TEST_F(Win32Commands, VolumeAndMuteOnTheSystemsMixer) {
  TFormQuonthary& f = Start();
  // Wine has an endpoint that refuses levels: nothing stays open until the first key, which
  // falls back to the mixer.
  EXPECT_FALSE(f.Volume.UsesEndpoint());
  EXPECT_FALSE(f.Volume.Usable());
  f.Volume.Muted();
  RecordProperty("MixerDevices", int(mixer.NumDevs()));
  if (mixer.NumDevs() == 0) {
    // No sound device: usable, without a handle, and the commands do nothing.
    EXPECT_TRUE(f.Volume.VolumeMixer.Usable);
    EXPECT_FALSE(f.Volume.VolumeMixer.Handle);
    f.HandleHotKey(44202);
    f.HandleHotKey(44204);
    EXPECT_EQ(f.LastVolume, -1);
    EXPECT_EQ(f.LastMute, -1);
    return;
  }
  ASSERT_TRUE(f.Volume.VolumeMixer.HasControl);
  ASSERT_TRUE(f.Volume.MuteMixer.HasControl);
  EXPECT_FALSE(f.Volume.VolumeMixer.Name.empty());
  EXPECT_LT(f.Volume.VolumeMixer.Minimum, f.Volume.VolumeMixer.Maximum);

  // Another program's view of the same speakers line.
  sys::Win32Mixer system;
  TestWindow otherWindow;
  sys::MixerControl volume, mute;
  volume.Open(system, otherWindow.Handle(), true);
  mute.Open(system, otherWindow.Handle(), false);
  ASSERT_TRUE(volume.HasControl);
  const auto oldVolume = volume.GetValue(system);
  const auto oldMute = mute.GetValue(system);
  ASSERT_TRUE(oldVolume && oldMute);

  ASSERT_TRUE(volume.SetValue(system, 0));
  f.HandleHotKey(44202);
  EXPECT_EQ(volume.GetValue(system), 100u);
  f.HandleHotKey(44202);
  EXPECT_EQ(volume.GetValue(system), 116u);
  f.HandleHotKey(44203);
  EXPECT_EQ(volume.GetValue(system), 116u - 19u);
  ASSERT_TRUE(mute.SetValue(system, mute.Minimum));
  f.HandleHotKey(44204);
  EXPECT_EQ(mute.GetValue(system), mute.Maximum);
  EXPECT_EQ(f.LabelState.Visible() ? f.LabelState.Caption() : f.LabelTimeToEnd.Caption(), "Mute");
  f.HandleHotKey(44204);
  EXPECT_EQ(mute.GetValue(system), mute.Minimum);

  // Set elsewhere, and announced to the indicator's window the way the system does (wine's
  // mixer sends no notices itself): the gauge shows, its bar at the new level.
  ASSERT_TRUE(volume.SetValue(system, volume.Maximum));
  f.HideIndicator();
  ASSERT_FALSE(f.IsShown());
  PostMessageA(Hwnd(f), MM_MIXM_CONTROL_CHANGE, WPARAM(*f.Volume.VolumeMixer.Handle),
               LPARAM(f.Volume.VolumeMixer.ControlId));
  Pump(100);
  EXPECT_TRUE(f.IsShown());
  EXPECT_EQ(f.ImageVolume.Width(), f.ImagePrRed.Width() + 2);

  volume.SetValue(system, *oldVolume);
  mute.SetValue(system, *oldMute);
  volume.Close(system);
  mute.Close(system);
}

TEST_F(Win32Commands, TaskbarModeWithoutATaskbarKeepsTheGaugeInSight) {
  Put("ShowInTaskBar", "1");
  Put("Left", "-999");
  Put("Top", "-999");
  DesktopWithoutTaskbar noTaskbar;
  TFormQuonthary& f = Start(&noTaskbar);
  testing_support::UseFirstRunSettings(f);
  f.TimerTimer(&f);
  Pump(200);
  HWND window = Hwnd(f);
  EXPECT_FALSE(f.mnuMove.Enabled());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) - 33);
  EXPECT_TRUE(screenshot::Window(f.Handle())
                  .Scaled(8)
                  .SavePng("..\\screenshots\\indicator-taskbar-mode-without-taskbar.png"));
}

// Docked, the gauge is a child of the taskbar, another process's window, so no modal run
// disables it. From inside the first profile change's confirmation and result box, the
// menu, the hot key and the double click start no second one, and the program comes
// through whole.
TEST_F(Win32Commands, NoSecondProfileChangeFromTheGaugeDockedInAnotherProcesssTaskbar) {
  using namespace usersteps;
  StandInTaskbar bar;
  ASSERT_TRUE(bar.Running());
  Put("ShowInTaskBar", "1");
  Put("ShowMenuChange", "1");
  Put("HotKeyProxyChanger", "1");
  TFormQuonthary& f = Start();
  f.Profiles.ProxyProfiles[0] = {true, "Office proxy", true, "127.0.0.1", "3128", false};
  f.Profiles.ProxyProfiles[1] = {true, "No proxy", false, "", "", false};
  f.UpdateProxyMenuItems();
  ASSERT_EQ(GetAncestor(Hwnd(f), GA_ROOT), bar.Window());
  // No battery ticks meanwhile: the only sounds are the ones the commands make.
  f.Timer.SetEnabled(false);

  // The proxy submenu and the proxy switcher item as the opened menu shows them.
  std::vector<bool> greyed;
  const ui::TMenuItem& root = f.PopupMenu.Items();
  const Step lookAtTheMenu = [&] {
    const auto menus = menusteps::MenuWindows();
    if (menus.empty()) return false;
    HMENU items = reinterpret_cast<HMENU>(SendMessageA(menus.back(), MN_GETHMENU, 0, 0));
    for (int i = 0, shown = 0; i < root.Count(); ++i) {
      if (!root.Item(i)->Visible()) continue;
      if (root.Item(i) == &f.mnuProxyChanger || root.Item(i) == &f.mnuProxyChangerDialog)
        greyed.push_back(GetMenuState(items, UINT(shown), MF_BYPOSITION) & MF_GRAYED);
      ++shown;
    }
    EndMenu();
    return true;
  };
  ui::TForm* firstWindow = nullptr;
  auto tryAnother = [&](std::deque<Step>& script) {
    script.push_back(Do([&] { firstWindow = Script::OpenModal(); }));
    script.push_back(RightClick(f));
    script.push_back(lookAtTheMenu);
    script.push_back([] { return menusteps::MenuWindows().empty(); });
    script.push_back(Do([&] {
      PostMessageA(Hwnd(*owner), WM_HOTKEY, 44206, MAKELPARAM(MOD_WIN | MOD_SHIFT, '2'));
      PostMessageA(Hwnd(f), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
    }));
    script.push_back(Wait(5));
    script.push_back(Do([&] {
      EXPECT_EQ(Script::OpenModal(), firstWindow);
      EXPECT_EQ(f.FormChanger, nullptr);
      // Should it have come, it must not hold up the rest.
      if (ui::TForm* other = Script::OpenModal(); other && other != firstWindow) other->Close();
    }));
  };
  TFormMessageChanger* confirmation = nullptr;
  TFormMsgBox* box = nullptr;
  std::deque<Step> script{RightClick(f), Choose(root, f.mnuProxyChanger, VK_RIGHT),
                          [] { return menusteps::MenuWindows().size() == 2; },
                          Choose(f.mnuProxyChanger, *f.mnuPX[0]), WaitFor(confirmation)};
  tryAnother(script);
  script.push_back(Do([&] { PostMessageA(Hwnd(confirmation->Button1), BM_CLICK, 0, 0); }));
  script.push_back(WaitFor(box));
  tryAnother(script);
  script.push_back(Do([&] { PostMessageA(Hwnd(box->ButtonOK), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormMsgBox == nullptr; });
  fake.Sound.Events.clear();
  Script driver;
  driver.Run(std::move(script));

  EXPECT_EQ(greyed, (std::vector<bool>{true, true, true, true}));
  // Only the result box's beep: the double clicks did nothing.
  EXPECT_EQ(fake.Sound.Events, (std::vector<sys::SoundEvent>{sys::SoundEvent::SystemBeep(0)}));
  EXPECT_EQ(fake.Registry.Value(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer")->Text,
            "127.0.0.1:3128");
  // Everything closed: no window, no taskbar button, a menu that works again.
  EXPECT_TRUE(f.Dialogs.Empty());
  EXPECT_FALSE(IsWindowVisible(reinterpret_cast<HWND>(ui::Application().Handle())));
  EXPECT_TRUE(IsWindow(Hwnd(f)));
  f.PopupMenuPopup(&f.PopupMenu);
  EXPECT_TRUE(f.mnuProxyChanger.Enabled());
}

}  // namespace
