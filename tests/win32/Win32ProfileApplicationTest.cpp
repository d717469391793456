// Putting profiles in force on the real system under wine: the registry, the temporary
// folder, the shell running the batch on a stand-in netsh, and the two windows shown as real
// windows, answered by posted input and saved as screenshots.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <typeinfo>
#include <utility>

#include "app/FormQuontharyMain.h"
#include "dialogs/FormMsgBox.h"
#include "profiles/FormMessageChanger.h"
#include "system/Win32Registry.h"
#include "system/fake/FakePlatform.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32InternetSettings.h"
#include "system/win32/Win32IpHelper.h"
#include "system/win32/Win32Processes.h"
#include "tests/ProfileSamples.h"
#include "tests/win32/NetshDouble.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/StartupEntry.h"
#include "tests/win32/SavedState.h"
#include "tests/win32/Win32Fixture.h"

#include <wininet.h>

namespace {

using sys::RootKey;
using win32test::Hwnd;
using win32test::ReadBytes;
using win32test::SavedValue;
using win32test::Settle;
using win32test::TestEnvironment;

const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kZoneMap[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";
const std::string kClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kTestAdapter = "QuontharyTest";

// The system's shell, on a system where the program runs without administrator rights (or
// not): wine's user has them, and wine asks nobody for them.
class TestProcesses : public sys::Win32Processes {
 public:
  bool ElevationNeeded() override { return Needs; }
  std::intptr_t ShellExecuteElevatedAndWait(const std::string& file, const std::string& params,
                                            const std::string& directory, int show,
                                            bool wait) override {
    ++Elevated;
    return sys::Win32Processes::ShellExecuteElevatedAndWait(file, params, directory, show, wait);
  }
  bool Needs = false;
  int Elevated = 0;
};

class Win32ProfileApplication : public win32test::Win32Ui {
 protected:
  void SetUp() override {
    Win32Ui::SetUp();
    // A German account's folder ("Jürgen" in Windows-1252).
    env.Temp = sys::Win32Environment().TempPath() + "Quonthary test J\xFCrgen\\";
    std::filesystem::create_directories(env.Temp);
    sys::DeleteWin32RegistryTree(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter);
    fake.PowerSource.Status.ACLineStatus = 1;
    fake.PowerSource.Status.BatteryFlag = 128;
    fake.PowerSource.Status.BatteryLifePercent = 255;
    // Ready before the start-up, which may show a window of its own.
    answerer = std::make_unique<ui::TTimer>(&ui::Application(), "Answerer", 100, true);
    answerer->SetOnTimer([this](ui::TObject*) { Answer(); });
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), Platform());
    ui::Application().SetMainForm(owner.get());
  }
  void TearDown() override {
    answerer.reset();
    owner.reset();
    sys::DeleteWin32RegistryTree(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter);
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

  // The window of the innermost modal run (dialogs are owned by the application).
  static ui::TForm* OpenModal() {
    ui::TForm* found = nullptr;
    for (ui::TComponent* c : ui::Application().Components()) {
      auto* form = dynamic_cast<ui::TForm*>(c);
      if (form && form->Modal() && form->Visible()) found = form;
    }
    return found;
  }

  // Runs from the modal loops: once a window has been up for a few ticks (painted), it is
  // photographed when asked and then answered as a user would.
  void Answer() {
    ui::TForm* open = OpenModal();
    // A window made after another was destroyed may get its address: the kind and the
    // window handle tell them apart.
    const Seen now{open ? typeid(*open).name() : "", open ? Hwnd(*open) : nullptr};
    if (now != current) {
      current = now;
      ticks = 0;
    }
    if (!open || !IsWindowVisible(now.second)) return;
    ++ticks;
    // Any other modal window (a first-run notice, say) is not what these tests are about.
    if (!dynamic_cast<TFormMsgBox*>(open) && !dynamic_cast<TFormMessageChanger*>(open)) {
      if (ticks == 5) open->Close();
      return;
    }
    if (auto* box = dynamic_cast<TFormMsgBox*>(open)) {
      // Photographed and answered once the connection has been read back.
      if (box->LabelMsg.Caption().find(Ind().Msg("LabelResultChecking")) != std::string::npos)
        ticks = 0;
      if (boxCaptions.empty() || boxCaptions.back() != box->ButtonOK.Caption())
        boxCaptions.push_back(box->ButtonOK.Caption());
      boxRed = box->LabelRedMsg.Visible();
      boxMessage = box->LabelMsg.Caption();
      const ui::TextSize text = ui::CurrentBackend().MeasureText(
          box->LabelMsg.Font(), box->LabelMsg.Caption(), box->LabelMsg.Width());
      boxTextFits = text.Height <= box->LabelMsg.Height() &&
                    box->LabelMsg.Bottom() <= box->ButtonOK.Top() &&
                    box->ButtonOK.Bottom() <= box->ClientHeight();
    }
    if (auto* w = dynamic_cast<TFormMessageChanger*>(open); w && ticks == 3) {
      runAsShown = w->LabelRunAs.Visible();
      const ui::TextSize text = ui::CurrentBackend().MeasureText(
          w->LabelRunAs.Font(), w->LabelRunAs.Caption(), w->LabelRunAs.Width());
      runAsFits = text.Height <= w->LabelRunAs.Height() &&
                  w->LabelRunAs.Bottom() <= w->Label24.Top() &&
                  w->LabelRunAs.Top() >= w->PanelIP.Bottom();
    }
    if (ticks == 4) {
      const std::string& name =
          dynamic_cast<TFormMsgBox*>(open) ? boxScreenshot : confirmationScreenshot;
      if (!name.empty()) {
        screenshot::Capture shot = screenshot::Window(open->Handle());
        shots.push_back(shot);
        EXPECT_TRUE(shot.SavePng("..\\screenshots\\" + name));
      }
    }
    if (ticks == 5) {
      if (auto* w = dynamic_cast<TFormMessageChanger*>(open)) {
        if (escape)
          PostMessageA(Hwnd(*w), WM_KEYDOWN, VK_ESCAPE, 1);
        else
          PostMessageA(Hwnd(yes ? w->Button1 : w->Button2), BM_CLICK, 0, 0);
      } else if (clickBoxOK) {
        PostMessageA(Hwnd(static_cast<TFormMsgBox*>(open)->ButtonOK), BM_CLICK, 0, 0);
      }
    }
    if (ticks == 100) open->Close();  // never hang a test run
  }

  sys::FakePlatform fake;
  std::unique_ptr<sys::Registry> reg = sys::CreateWin32Registry();
  TestProcesses shell;
  TestEnvironment env;
  sys::Win32Desktop screen;
  sys::Win32InternetSettings inet;
  SavedValue enable{*reg, kInternetSettings, "ProxyEnable"};
  SavedValue server{*reg, kInternetSettings, "ProxyServer"};
  SavedValue bypass{*reg, kZoneMap, "ProxyByPass"};
  SavedValue overrides{*reg, kInternetSettings, "ProxyOverride"};
  std::unique_ptr<TFormQuontharyMain> owner;
  std::unique_ptr<ui::TTimer> answerer;

  // How to answer, and what was seen.
  bool yes = true;
  bool escape = false;
  bool clickBoxOK = true;
  std::string confirmationScreenshot, boxScreenshot;
  using Seen = std::pair<std::string, HWND>;
  Seen current;
  int ticks = 0;
  std::vector<std::string> boxCaptions;
  std::string boxMessage;
  bool boxRed = false;
  bool boxTextFits = false;
  bool runAsShown = false, runAsFits = false;
  std::vector<screenshot::Capture> shots;
};

std::optional<sys::RegistryValue> Value(sys::Registry& reg, RootKey root, const std::string& path,
                                        const std::string& name) {
  auto key = reg.Open(root, path, false);
  return key ? key->Query(name) : std::nullopt;
}

std::string Text(sys::Registry& reg, RootKey root, const std::string& path,
                 const std::string& name) {
  auto v = Value(reg, root, path, name);
  return v ? v->Text : "<none>";
}

// The bypass list as wine's web components read it.
std::string WinInetBypass() {
  INTERNET_PER_CONN_OPTIONA option{};
  option.dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  INTERNET_PER_CONN_OPTION_LISTA list{};
  list.dwSize = sizeof list;
  list.dwOptionCount = 1;
  list.pOptions = &option;
  DWORD size = sizeof list;
  if (!InternetQueryOptionA(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size))
    return "<failed>";
  std::string bypass = option.Value.pszValue ? option.Value.pszValue : "";
  GlobalFree(option.Value.pszValue);
  return bypass;
}

TEST_F(Win32ProfileApplication, ProxyProfileWritesTheUsersInternetSettings) {
  reg->Open(RootKey::CurrentUser, kInternetSettings, true)->SetString("ProxyOverride", "*.test");
  Ind().Profiles.ProxyProfiles[2] = {true, "Loopback proxy", true, "127.0.0.1", "3128", true};
  EXPECT_TRUE(Ind().ApplyProxyProfile(2));
  auto enable = Value(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyEnable");
  ASSERT_TRUE(enable);
  EXPECT_EQ(enable->Kind, sys::ValueKind::Dword);
  EXPECT_EQ(enable->Dword, 1u);
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyServer"), "127.0.0.1:3128");
  auto bypassValue = Value(*reg, RootKey::CurrentUser, kZoneMap, "ProxyByPass");
  ASSERT_TRUE(bypassValue);
  EXPECT_EQ(bypassValue->Dword, 1u);
  // Read back from wine's registry.
  EXPECT_EQ(boxMessage, "Server Proxy was changed!\nThe proxy settings are in force.");
  EXPECT_FALSE(boxRed);
  // The bypass the web components honour, the user's own entry kept.
  EXPECT_EQ(WinInetBypass(), "*.test;<local>");
  Ind().Profiles.ProxyProfiles[2].BypassProxyLCon = false;
  EXPECT_TRUE(Ind().ApplyProxyProfile(2));
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyOverride"), "*.test");
  // Wine's web components take no refresh without a handle (Windows does); the call must
  // still come back.
  RecordProperty("InternetRefreshAccepted", inet.NotifyChanged() ? "yes" : "no");
}

TEST_F(Win32ProfileApplication, EscapeAnswersNoAndNothingIsWritten) {
  auto before = Value(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyServer");
  escape = true;
  Ind().Profiles.ProxyProfiles[2] = {true, "p", true, "127.0.0.2", "1", false};
  EXPECT_FALSE(Ind().ApplyProxyProfile(2));
  auto after = Value(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyServer");
  EXPECT_EQ(before.has_value(), after.has_value());
  if (before && after) {
    EXPECT_EQ(before->Text, after->Text);
  }
  EXPECT_TRUE(boxCaptions.empty());  // no message either
}

TEST_F(Win32ProfileApplication, MacProfileWritesAndDeletesTheAdapterValue) {
  {
    auto key = reg->Open(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, true);
    ASSERT_NE(key, nullptr) << "wine refused the adapter class key";
    key->SetString("BusType", "5");
    key->SetString("DriverDesc", "Quonthary Test Adapter");
  }
  changers::NetworkAdapters found = Ind().ListNetworkAdapters();
  auto at = std::find(found.Links.begin(), found.Links.end(), kTestAdapter);
  ASSERT_NE(at, found.Links.end());
  EXPECT_EQ(found.Descriptions[std::size_t(at - found.Links.begin())], "Quonthary Test Adapter");
  EXPECT_EQ(found.Addresses[std::size_t(at - found.Links.begin())], "");

  Ind().Profiles.MacProfiles[4] = {true, "Spoof",      "Quonthary Test Adapter",
                                   true, kTestAdapter, "02AABBCCDDEE"};
  EXPECT_TRUE(Ind().ApplyMacProfile(4));
  auto written =
      Value(*reg, RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, "NetworkAddress");
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Text, "02AABBCCDDEE");
  EXPECT_EQ(boxMessage, "MAC Address was changed!");
  EXPECT_TRUE(boxRed);

  Ind().Profiles.MacProfiles[4].UseOtherMAC = false;
  EXPECT_TRUE(Ind().ApplyMacProfile(4));
  EXPECT_FALSE(
      Value(*reg, RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, "NetworkAddress"));

  // An adapter that is gone is refused without leaving a key behind.
  Ind().Profiles.MacProfiles[4].LinkInRegistry = kTestAdapter + "Gone";
  EXPECT_TRUE(Ind().ApplyMacProfile(4));
  EXPECT_EQ(reg->Open(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter + "Gone", false),
            nullptr);
  EXPECT_EQ(boxMessage, Ind().Msg("LabelMacNotWritten"));
}

TEST_F(Win32ProfileApplication, IPProfileRunsTheBatchOnTheSystemsNetsh) {
  SystemNetshDouble netsh;
  ASSERT_TRUE(netsh.Placed());
  const std::string argsFile = env.Temp + "netsh args.txt";
  ScopedVariable args("QTH_NETSH_ARGS", argsFile);
  // Another program's netsh.exe first on the search path is not the one that runs.
  const std::string decoy = env.Temp + "decoy";
  std::filesystem::create_directories(decoy);
  char system[MAX_PATH] = {}, path[32767] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  ASSERT_TRUE(CopyFileA((std::string(system) + "\\hostname.exe").c_str(),
                        (decoy + "\\netsh.exe").c_str(), FALSE));
  ScopedVariable searchPath(
      "PATH", decoy + ";" + std::string(path, GetEnvironmentVariableA("PATH", path, sizeof path)));
  {
    auto key = reg->Open(RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, true);
    ASSERT_NE(key, nullptr);
    key->SetString("BusType", "5");
    key->SetString("DriverDesc", "Quonthary Test Adapter");
  }
  auto& t = Ind().Profiles;
  t.IPProfiles[0] = testing_support::OfficeProfile(1, 2);
  t.ProxyProfiles[1] = {true, "Company proxy", true, "127.0.0.1", "8080", true};
  t.MacProfiles[2] = {true, "Spoofed",    "Quonthary Test Adapter",
                      true, kTestAdapter, "02AABBCCDDEE"};
  confirmationScreenshot = "confirmation-ip-proxy-mac.png";
  boxScreenshot = "timed-message-ip.png";
  EXPECT_TRUE(Ind().ApplyIPProfile(0));

  // The batch, in the OEM code page, ran the system's network shell on the script in the
  // folder with "ü" (its path quoted for the blanks), and the wait came back with a started
  // launch.
  EXPECT_EQ(ReadBytes(env.Temp + "qth_run.bat").find('\xFC'), std::string::npos);
  EXPECT_EQ(ReadBytes(argsFile), "-f " + env.Temp + "qth_run.txt\r\n");
  const std::string script = ReadBytes(env.Temp + "qth_run.txt");
  EXPECT_EQ(script.substr(0, 20), "pushd interface ip\r\n");
  EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 7);
  // Wine has no connection of that name: read back, it is said so.
  EXPECT_EQ(boxMessage,
            Ind().Msg("LabelIPNotHeld") + "\nThe connection Local Area Connection was not found.");
  EXPECT_TRUE(boxRed);
  EXPECT_TRUE(t.AppliedMarks[0]);
  EXPECT_EQ(Text(*reg, RootKey::CurrentUser, kInternetSettings, "ProxyServer"), "127.0.0.1:8080");
  EXPECT_EQ(Text(*reg, RootKey::LocalMachine, kClassKey + "\\" + kTestAdapter, "NetworkAddress"),
            "02AABBCCDDEE");
  // Both windows were photographed, and they are not blank.
  ASSERT_EQ(shots.size(), 2u);
  for (const auto& shot : shots) {
    std::vector<std::uint32_t> colours(shot.Pixels);
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 8);
  }
}

TEST_F(Win32ProfileApplication, WhatWinesConnectionHasInsteadIsStated) {
  // A connection wine really lists, with an address: wine's network shell changes nothing,
  // so read back it still has its own settings, not the profile's.
  const auto connections = sys::Win32IpHelper().Connections();
  ASSERT_TRUE(connections);
  const sys::ConnectionConfig* lan = nullptr;
  for (const sys::ConnectionConfig& c : *connections)
    if (!c.Addresses.empty() && (!lan || lan->Addresses[0].Address == "127.0.0.1")) lan = &c;
  ASSERT_NE(lan, nullptr);
  profiles::IPProfileRecord ip = testing_support::OfficeProfile();
  ip.connectionName = lan->Name;
  Ind().Profiles.IPProfiles[4] = ip;
  boxScreenshot = "timed-message-ip-differs.png";
  EXPECT_TRUE(Ind().ApplyIPProfile(4));
  const std::string expected = lan->Name + " has " + lan->Addresses[0].Address +
                               (lan->Addresses.size() > 1 ? ", " + lan->Addresses[1].Address : "") +
                               ", expected 10.0.0.5";
  // What did not hold leads the box.
  EXPECT_EQ(boxMessage.find(Ind().Msg("LabelIPNotHeld") + "\n" + expected), 0u) << boxMessage;
  EXPECT_NE(boxMessage.find(lan->Name + " has gateway "), std::string::npos) << boxMessage;
  EXPECT_NE(boxMessage.find("expected DNS 10.0.0.2, 10.0.0.3"), std::string::npos) << boxMessage;
  EXPECT_TRUE(boxTextFits);
  ASSERT_EQ(shots.size(), 1u);
}

TEST_F(Win32ProfileApplication, WithoutAdministratorRightsTheBatchRunsThroughRunas) {
  shell.Needs = true;
  Ind().Profiles.IPProfiles[5] = {true, "Home", true, "", "", "", "", "", "Wireless", -1, -1};
  confirmationScreenshot = "confirmation-runas.png";
  EXPECT_TRUE(Ind().ApplyIPProfile(5));
  EXPECT_EQ(shell.Elevated, 1);
  EXPECT_TRUE(runAsShown);
  EXPECT_TRUE(runAsFits);
  // Run and waited for: its script is there, and the box read the connection back.
  EXPECT_EQ(ReadBytes(env.Temp + "qth_run.txt").substr(0, 20), "pushd interface ip\r\n");
  EXPECT_EQ(boxMessage, Ind().Msg("LabelIPNotHeld") + "\nThe connection Wireless was not found.");
  ASSERT_EQ(shots.size(), 1u);
}

TEST_F(Win32ProfileApplication, DhcpConfirmationAndTheCountDown) {
  Ind().Profiles.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "Wireless", -1, -1};
  confirmationScreenshot = "confirmation-dhcp.png";
  yes = false;
  EXPECT_FALSE(Ind().ApplyIPProfile(1));

  // Nobody presses OK: the box counts down and closes by itself.
  clickBoxOK = false;
  boxScreenshot = "timed-message-short.png";
  const DWORD start = GetTickCount();
  Ind().ShowTimedMessage("Server Proxy was changed!", "", 2, ui::IDI_Asterisk);
  const DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 1500u);
  EXPECT_LT(took, 8000u);
  ASSERT_GE(boxCaptions.size(), 2u);
  EXPECT_EQ(boxCaptions[0], "OK (2)");
  EXPECT_EQ(boxCaptions[1], "OK (1)");
  EXPECT_EQ(Ind().FormMsgBox, nullptr);
}

TEST_F(Win32ProfileApplication, RefusedProfileMessageIsShownWhole) {
  Ind().Profiles.IPProfiles[3] = {true, "Quoted", true, "", "", "", "", "", "LAN\" x", -1, -1};
  boxScreenshot = "timed-message-refused.png";
  EXPECT_FALSE(Ind().ApplyIPProfile(3));
  EXPECT_EQ(boxMessage, Ind().Msg("LabelUnsafeProfile"));
  EXPECT_TRUE(boxTextFits);
  EXPECT_FALSE(std::filesystem::exists(env.Temp + "qth_run.txt"));
}

}  // namespace
