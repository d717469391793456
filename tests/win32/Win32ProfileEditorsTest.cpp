// The profile editors as real windows under wine, opened by their "Configure" commands and
// driven by posted input: a profile made in each, the proxy settings in force read from the
// registry, the MAC editor on adapter keys written into the registry, and both network
// shell imports run end to end through the real batch on a stand-in network shell that
// prints a prepared dump. Each window is saved as a screenshot.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/FormQuontharyMain.h"
#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormImportSettings.h"
#include "profiles/FormProfilesOrder.h"
#include "system/Win32Registry.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32InternetSettings.h"
#include "system/win32/Win32Processes.h"
#include "profiles/FormChanger.h"
#include "tests/IndicatorFixture.h"
#include "tests/win32/NetshDouble.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/StartupEntry.h"
#include "tests/win32/SavedState.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using sys::RootKey;
using win32test::Hwnd;
using win32test::ReadBytes;
using win32test::SavedValue;
using win32test::TestEnvironment;

const std::string kClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kTestAdapter = "0842";  // as the system names them
const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kZoneMap[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";

class Win32ProfileEditors : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    // A German account's folder ("Jürgen" in Windows-1252).
    env.Temp = sys::Win32Environment().TempPath() + "Quonthary editor test J\xFCrgen\\";
    std::filesystem::create_directories(env.Temp);
    sys::DeleteWin32RegistryTree(RootKey::CurrentUser, "Software\\Quonthary");
    // No start-up entry: wine would start the test program with the next session.
    reg->Open(RootKey::CurrentUser, "Software\\Quonthary", true)->SetString("RunAtStartup", "0");
    fake.PowerSource.Status.ACLineStatus = 1;
    fake.PowerSource.Status.BatteryFlag = 128;
    fake.PowerSource.Status.BatteryLifePercent = 255;
    driver = std::make_unique<ui::TTimer>(&ui::Application(), "Driver", 50, true);
    driver->SetOnTimer([this](ui::TObject*) { Tick(); });
    StartProgram();
  }
  // The about dialog of this version was seen: no first-run dialog in the way.
  void StartProgram() {
    owner.reset();
    testing_support::SeenAboutDialog(*reg, env.ExePath(), fake.VersionInfo);
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), Platform());
    ui::Application().SetMainForm(owner.get());
  }
  void TearDown() override {
    driver.reset();
    owner.reset();
    sys::DeleteWin32RegistryTree(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter);
    sys::DeleteWin32RegistryTree(RootKey::CurrentUser, "Software\\Quonthary");
    RemoveTestStartupEntry(*reg);
    std::error_code ignored;
    std::filesystem::remove_all(env.Temp, ignored);
    Win32Ui::TearDown();
  }

  sys::Platform Platform() {
    return sys::Platform{
        fake.PowerSource, *reg,       fake.Mixer,    fake.HotKeys,     fake.MonitorPower,
        fake.Sound,       shell,      fake.IcmpEcho, fake.VersionInfo, env,
        screen,           fake.Clock, inet};
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  // ---- the script of user actions, one step per tick of the modal loops ----
  using Step = std::function<bool()>;  // true: done
  void Then(Step step) { steps.push_back(std::move(step)); }
  void Do(std::function<void()> action) {
    Then([action] {
      action();
      return true;
    });
  }
  void Tick() {
    if (++ticks > 800) {  // 40 s: never hang a test run
      if (ticks == 801)
        ADD_FAILURE() << "the script stopped at a step; " << steps.size() << " left";
      Ind().Dialogs.CancelAll();
      AnswerBox(IDCANCEL);
      return;
    }
    if (!steps.empty() && steps.front()()) steps.pop_front();
  }
  bool Finished() const { return steps.empty(); }

  // The window of the innermost modal run.
  static ui::TForm* OpenModal() {
    ui::TForm* found = nullptr;
    for (ui::TComponent* c : ui::Application().Components()) {
      auto* form = dynamic_cast<ui::TForm*>(c);
      if (form && form->Modal() && form->Visible()) found = form;
    }
    return found;
  }
  // Waits until a window of type W is up and painted.
  template <class W>
  void WaitFor(W*& window) {
    auto seen = std::make_shared<int>(0);
    Then([&window, seen] {
      auto* open = dynamic_cast<W*>(OpenModal());
      if (!open || !IsWindowVisible(Hwnd(*open)) || ++*seen < 4) return false;
      window = open;
      return true;
    });
  }
  void Shot(ui::TForm*& window, const std::string& name) {
    Do([this, &window, name] {
      RedrawWindow(Hwnd(*window), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      screenshot::Capture shot = screenshot::Window(window->Handle());
      EXPECT_TRUE(shot.SavePng("..\\screenshots\\" + name)) << name;
      std::vector<std::uint32_t> colours(shot.Pixels);
      std::sort(colours.begin(), colours.end());
      EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 8) << name;
    });
  }
  // The first message box of this process that is up: its text, then the answer.
  static HWND FindBox() {
    struct Search {
      HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
          DWORD process = 0;
          GetWindowThreadProcessId(hwnd, &process);
          char name[16] = {};
          GetClassNameA(hwnd, name, sizeof name);
          if (process == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
              lstrcmpA(name, "#32770") == 0) {
            reinterpret_cast<Search*>(lp)->found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  static void AnswerBox(int id) {
    if (HWND box = FindBox()) PostMessageA(box, WM_COMMAND, WPARAM(id), 0);
  }
  void Box(int answer, std::string* text = nullptr) {
    auto seen = std::make_shared<int>(0);
    Then([answer, text, seen] {
      HWND box = FindBox();
      if (!box || ++*seen < 3) return false;
      if (text) *text = win32test::TextOf(GetDlgItem(box, 0xFFFF));
      PostMessageA(box, WM_COMMAND, WPARAM(answer), 0);
      return true;
    });
  }

  // ---- posted input, as the window would get it from the user ----
  static void Click(ui::TWinControl& button) { PostMessageA(Hwnd(button), BM_CLICK, 0, 0); }
  static void Type(ui::TWinControl& edit, const std::string& text) {
    for (char c : text) PostMessageA(Hwnd(edit), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
  }
  static void Retype(ui::TEdit& edit, const std::string& text) {
    SendMessageA(Hwnd(edit), EM_SETSEL, 0, -1);
    if (text.empty())
      PostMessageA(Hwnd(edit), WM_CHAR, VK_BACK, 1);
    else
      Type(edit, text);
  }
  static void Pick(ui::TComboBox& combo, int index) {
    SendMessageA(Hwnd(combo), CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(GetParent(Hwnd(combo)), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(Hwnd(combo)), CBN_SELCHANGE), LPARAM(Hwnd(combo)));
  }
  static void Pick(ui::TListBox& list, int index) {
    SendMessageA(Hwnd(list), LB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(GetParent(Hwnd(list)), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(Hwnd(list)), LBN_SELCHANGE), LPARAM(Hwnd(list)));
  }
  // A windowless button: pressed and released by the mouse in the window that paints it.
  static void ClickGraphic(ui::TControl& control) {
    const LPARAM at =
        MAKELPARAM(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    PostMessageA(win32test::HolderOf(control), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(win32test::HolderOf(control), WM_LBUTTONUP, 0, at);
  }

  sys::FakePlatform fake;
  std::unique_ptr<sys::Registry> reg = sys::CreateWin32Registry();
  sys::Win32Processes shell;
  TestEnvironment env;
  sys::Win32Desktop screen;
  sys::Win32InternetSettings inet;
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> driver;
  std::deque<Step> steps;
  int ticks = 0;
};

std::string Text(sys::Registry& reg, RootKey root, const std::string& path,
                 const std::string& name) {
  auto key = reg.Open(root, path, false);
  auto v = key ? key->Query(name) : std::nullopt;
  return v ? (v->Kind == sys::ValueKind::Dword ? std::to_string(v->Dword) : v->Text) : "<none>";
}

TEST_F(Win32ProfileEditors, ProxyEditorMakesAProfileAndReadsTheSettingsInForce) {
  SavedValue enable{*reg, kInternetSettings, "ProxyEnable"};
  SavedValue server{*reg, kInternetSettings, "ProxyServer"};
  SavedValue bypass{*reg, kZoneMap, "ProxyByPass"};
  SavedValue overrides{*reg, kInternetSettings, "ProxyOverride"};
  {
    auto settings = reg->Open(RootKey::CurrentUser, kInternetSettings, true);
    ASSERT_TRUE(settings);
    settings->SetDword("ProxyEnable", 1);
    settings->SetString("ProxyServer", "127.0.0.1:3128");
    // The bypass browsers honour, which the import reads before the zone map's flag.
    settings->SetString("ProxyOverride", "*.test;<local>");
    auto zones = reg->Open(RootKey::CurrentUser, kZoneMap, true);
    ASSERT_TRUE(zones);
    zones->SetDword("ProxyByPass", 0);
  }
  TFormProxy* e = nullptr;
  ui::TForm* shown = nullptr;
  WaitFor(e);
  Do([&] {
    shown = e;
    Pick(e->ComboBoxProfNo, 2);
  });
  Do([&] { Type(e->EditProfName, "Loopback proxy"); });
  Do([&] { Click(e->Button4); });
  Shot(shown, "proxy-editor.png");
  Do([&] {
    EXPECT_TRUE(e->CheckBoxUseProxy.Checked());
    EXPECT_EQ(win32test::TextOf(Hwnd(e->EditProxyIP)), "127.0.0.1");
    EXPECT_EQ(e->EditProxyPort.Text(), "3128");
    EXPECT_TRUE(e->CheckBoxProxyBypass.Checked());
    EXPECT_TRUE(e->ButtonSave.Enabled());
    Click(e->ButtonSave);
  });
  Do([&] { Click(e->Button2); });
  Ind().mnuProxyClick(nullptr);
  EXPECT_TRUE(Finished());

  const auto& p = Ind().Profiles.ProxyProfiles[2];
  EXPECT_TRUE(p.Used);
  EXPECT_EQ(p.ProfileName, "Loopback proxy");
  EXPECT_EQ(p.ProxyServer, "127.0.0.1");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\ProxyChanger2", "ProfileName"),
            "Loopback proxy");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\ProxyChanger2", "Used"), "1");
  EXPECT_EQ(Ind().FormProxy, nullptr);
}

TEST_F(Win32ProfileEditors, MacEditorListsTheAdapterKeysOfTheRegistry) {
  {
    auto key = reg->Open(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, true);
    ASSERT_NE(key, nullptr) << "wine refused the adapter class key";
    key->SetString("BusType", "5");
    key->SetString("DriverDesc", "Quonthary Test Adapter");
    key->SetString("NetworkAddress", "02AABBCCDDEE");
  }
  TFormMacChanger* e = nullptr;
  ui::TForm* shown = nullptr;
  int row = -1;
  WaitFor(e);
  Do([&] {
    shown = e;
    row = e->ComboBoxAdapterName.IndexOfItem("Quonthary Test Adapter");
    ASSERT_GE(row, 0);
    EXPECT_EQ(e->Adapters().Links[std::size_t(row)], kTestAdapter);
    Type(e->EditProfName, "Test card");
    Pick(e->ComboBoxAdapterName, row);
  });
  Do([&] {
    EXPECT_EQ(e->LabelAdapterNumber.Caption(), kTestAdapter);
    Click(e->CheckBoxUseMacChanger);
  });
  Do([&] { Click(e->ButtonGetMAC); });
  Do([&] {
    EXPECT_EQ(win32test::TextOf(Hwnd(e->EditMacAddress)), "02AABBCCDDEE");
    // Typed in the middle: the dash goes, the letter becomes a capital, the caret stays.
    SendMessageA(Hwnd(e->EditMacAddress), EM_SETSEL, 2, 2);
    Retype(e->EditMacAddress, "");
  });
  Do([&] { Type(e->EditMacAddress, "0-a1b2c3d4e5"); });
  Do([&] {
    EXPECT_EQ(win32test::TextOf(Hwnd(e->EditMacAddress)), "0A1B2C3D4E5");
    EXPECT_TRUE(e->LabelWrongMAC.Visible());
    EXPECT_FALSE(e->ButtonSave.Enabled());
    SendMessageA(Hwnd(e->EditMacAddress), EM_SETSEL, 1, 1);
    Type(e->EditMacAddress, "-f");
  });
  Do([&] {
    DWORD start = 0, end = 0;
    SendMessageA(Hwnd(e->EditMacAddress), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(win32test::TextOf(Hwnd(e->EditMacAddress)), "0FA1B2C3D4E5");
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(e->EditMacAddress.SelStart(), 2);
    EXPECT_FALSE(e->LabelWrongMAC.Visible());
    EXPECT_TRUE(e->ButtonSave.Enabled());
  });
  Shot(shown, "mac-editor.png");
  Do([&] { Click(e->ButtonSave); });
  Do([&] { Click(e->Button2); });
  Ind().mnuMacConfigureClick(nullptr);
  EXPECT_TRUE(Finished());

  const auto& m = Ind().Profiles.MacProfiles[0];
  EXPECT_TRUE(m.Used);
  EXPECT_EQ(m.LinkInRegistry, kTestAdapter);
  EXPECT_EQ(m.NetworkAdapterName, "Quonthary Test Adapter");
  EXPECT_EQ(m.MacAddress, "0FA1B2C3D4E5");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\MacChanger0", "LinkInRegistry"),
            kTestAdapter);
}

TEST_F(Win32ProfileEditors, IPEditorImportsThroughTheBatchAndTheNetworkShell) {
  SystemNetshDouble netsh;
  ASSERT_TRUE(netsh.Placed());
  const std::string dumpFile = env.Temp + "prepared dump.txt";
  const std::string argsFile = env.Temp + "netsh args.txt";
  std::filesystem::remove(argsFile);
  std::ofstream(dumpFile, std::ios::binary)
      << "pushd interface ip\r\n"
         "set address name=\"LAN\" source=static addr=192.168.7.10 mask=255.255.255.0\r\n"
         "set address name=\"LAN\" gateway=192.168.7.1 gwmetric=0\r\n"
         "popd\r\n"
         "pushd interface ipv4\r\n"
         "add route prefix=0.0.0.0/0 interface=\"Local Area Connection\" nexthop=10.0.0.1\r\n"
         "add address name=\"Local Area Connection\" address=10.0.0.5 mask=255.255.255.0\r\n"
         "set dnsservers name=\"Local Area Connection\" source=static address=10.0.0.2 "
         "register=primary\r\n"
         "add dnsservers name=\"Local Area Connection\" address=10.0.0.3 index=2\r\n"
         "set address name=\"Wi-Fi\" source=dhcp\r\n"
         "popd\r\n";
  ScopedVariable dump("QTH_NETSH_DUMP", dumpFile);
  ScopedVariable args("QTH_NETSH_ARGS", argsFile);
  Ind().Profiles.IPProfiles[0] = {true, "Office", true, "", "", "", "", "", "LAN", -1, -1};
  Ind().Profiles.ConnectionNames = {"Dial-up"};

  TFormIPChanger* e = nullptr;
  TFormImportSettings* picker = nullptr;
  TFormProfilesOrder* order = nullptr;
  ui::TForm* shown = nullptr;
  std::string question, orderQuestion;
  WaitFor(e);
  Do([&] {
    EXPECT_EQ(e->ComboBoxProfNo.Items().size(), 21u);
    EXPECT_EQ(e->ComboBoxConnection.Items(), std::vector<std::string>{"Dial-up"});
    Click(e->ButtonImportConnections);
  });
  Box(IDNO, &question);
  Do([&] {
    EXPECT_EQ(question, "Do You want to delete all existing connection names before importing?");
    EXPECT_EQ(e->ComboBoxConnection.Items(),
              (std::vector<std::string>{"Dial-up", "LAN", "Local Area Connection", "Wi-Fi"}));
    Pick(e->ComboBoxProfNo, 1);
  });
  // Typing a new name that begins with a listed one: the listed one is chosen on the way,
  // and typing goes on after it.
  Do([&] {
    HWND edit = FindWindowExA(Hwnd(e->ComboBoxConnection), nullptr, "Edit", nullptr);
    for (char c : std::string("LAN 2")) PostMessageA(edit, WM_CHAR, WPARAM(c), 1);
  });
  Do([&] {
    EXPECT_EQ(e->ComboBoxConnection.Text(), "LAN 2");
    EXPECT_TRUE(e->ButtonConAdd.Enabled());
    Pick(e->ComboBoxConnection, 2);
  });
  Do([&] {
    EXPECT_TRUE(e->ButtonImporSettings.Enabled());
    Click(e->ButtonImporSettings);
  });
  Do([&] {
    EXPECT_TRUE(e->RadioButtonStatic.Checked());
    EXPECT_EQ(win32test::TextOf(Hwnd(e->EditIP)), "10.0.0.5");
    EXPECT_EQ(e->EditGate.Text(), "10.0.0.1");
    EXPECT_EQ(e->EditDns2.Text(), "10.0.0.3");
    EXPECT_EQ(e->EditProfName.Text(), "10.0.0.5 - Local Area Connection");
    shown = e;
  });
  Shot(shown, "ip-editor.png");
  Do([&] { Click(e->ButtonImport); });
  WaitFor(picker);
  Do([&] { shown = picker; });
  Shot(shown, "profile-picker.png");
  Do([&] { Click(picker->ButtonCancel); });
  // Reordering asks about the unsaved profile first: Yes saves it into slot 1.
  Do([&] { Click(e->ButtonProfOrder); });
  Box(IDYES, &orderQuestion);
  WaitFor(order);
  Do([&] {
    shown = order;
    Pick(order->ListBoxProfiles, 1);
  });
  Shot(shown, "order-dialog.png");
  Do([&] {
    EXPECT_TRUE(order->SpeedButtonUp.Enabled());
    ClickGraphic(order->SpeedButtonUp);
  });
  Do([&] {
    EXPECT_EQ(order->Entries()[0], "01 - 10.0.0.5 - Local Area Connection");
    EXPECT_FALSE(order->SpeedButtonUp.Enabled());
    Click(order->ButtonOK);
  });
  Do([&] { Click(e->Button2); });
  Ind().mnuIPConfigureClick(nullptr);
  EXPECT_TRUE(Finished());

  EXPECT_EQ(orderQuestion, "Profil has been changed. Do You want to save this profile?");
  // Both imports ran the batch, which ran the shell on the interface context and waited.
  // Read in the OEM code page, the batch reached the system's network shell by its full path
  // and sent its output to the folder with "ü".
  EXPECT_EQ(
      ReadBytes(env.Temp + "qth_run.bat"),
      sys::Win32Environment().OemFromAnsi("\"%SystemRoot%\\System32\\netsh.exe\" -c interface "
                                          "dump > \"" +
                                          env.Temp + "qth_run.txt\"\r\n"));
  EXPECT_EQ(ReadBytes(argsFile), "-c interface dump\r\n-c interface dump\r\n");
  const auto& t = Ind().Profiles;
  EXPECT_EQ(t.IPProfiles[0].ProfileName, "10.0.0.5 - Local Area Connection");
  EXPECT_EQ(t.IPProfiles[0].statDns1, "10.0.0.2");
  EXPECT_EQ(t.IPProfiles[1].ProfileName, "Office");
  EXPECT_EQ(t.ConnectionNames,
            (std::vector<std::string>{"Dial-up", "LAN", "Local Area Connection", "Wi-Fi"}));
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\IPChanger0", "statIP"),
            "10.0.0.5");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\IPChanger_Connections", "Count"),
            "4");
}

}  // namespace

TEST_F(Win32ProfileEditors, TheSwitchersConfigureOpensTheIPEditorAndItsNewProfileShowsAtOnce) {
  {
    auto names =
        reg->Open(RootKey::CurrentUser, "Software\\Quonthary\\IPChanger_Connections", true);
    ASSERT_TRUE(names);
    names->SetString("Count", "2");
    names->SetString("0", "LAN");
    names->SetString("1", "Wi-Fi");
  }
  StartProgram();
  TFormChanger* switcher = nullptr;
  TFormIPChanger* e = nullptr;
  WaitFor(switcher);
  Do([&] {
    EXPECT_FALSE(switcher->btnIP[3]->Visible());
    Click(switcher->ButtonConfigureIP);
  });
  WaitFor(e);
  Do([&] {
    EXPECT_EQ(e->ComboBoxProfNo.Items().size(), 21u);
    EXPECT_EQ(e->ComboBoxProfNo.Items()[20], "20 - [empty]");
    EXPECT_EQ(e->ComboBoxConnection.Items(), (std::vector<std::string>{"LAN", "Wi-Fi"}));
    Pick(e->ComboBoxProfNo, 3);
  });
  Do([&] { Type(e->EditProfName, "Hotel"); });
  Do([&] { Pick(e->ComboBoxConnection, 1); });
  Do([&] {
    EXPECT_TRUE(e->ButtonSave.Enabled());
    Click(e->ButtonSave);
  });
  Do([&] { Click(e->Button2); });
  // The switcher shows itself again, with the new profile's button.
  Then([&] {
    auto* open = dynamic_cast<TFormChanger*>(OpenModal());
    return open && open->btnIP[3]->Visible();
  });
  Do([&] {
    EXPECT_EQ(ui::StripAccelerator(switcher->btnIP[3]->Caption()), "Hotel");
    Click(switcher->ButtonClose);
  });
  Ind().mnuIPChangerDialogClick(nullptr);
  EXPECT_TRUE(Finished());

  EXPECT_TRUE(Ind().mnuIP[3]->Visible());
  EXPECT_EQ(Ind().mnuIP[3]->Caption(), "Hotel");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\IPChanger3", "ProfileName"),
            "Hotel");
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, "Software\\Quonthary\\IPChanger3", "connectionName"),
            "Wi-Fi");
  EXPECT_EQ(Ind().FormChanger, nullptr);
  EXPECT_EQ(Ind().FormIPChanger, nullptr);
}
