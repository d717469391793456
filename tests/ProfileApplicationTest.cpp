// Putting proxy, MAC and IP profiles in force on fakes: registry values, script and batch
// bytes, applied marks, reports, refusals and failed writes.
#include "changers/NetworkAdapters.h"
#include "profiles/NetshScript.h"
#include "system/Files.h"
#include "tests/ProfileFixture.h"

namespace {

using testing_support::kAdapterClass;
using testing_support::kInternetSettings;
using testing_support::kZoneMap;
using testing_support::ProfileFixture;

std::string ReadFile(const std::string& path) {
  return sys::files::ReadAll(path).value_or("<missing>");
}

// ---- proxy ----

class ProxyApplication : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
  }
  // Applies a proxy profile answered Yes; the values written.
  void Apply(const profiles::ProxyProfileRecord& p) {
    Ind().Profiles.ProxyProfiles[9] = p;
    AnswerConfirmation(true);
    RecordTimedMessage();
    EXPECT_TRUE(Ind().ApplyProxyProfile(9));
    ExpectAllAnswered();
  }
  std::string Server() { return Text("ProxyServer"); }
  std::string Text(const char* name) {
    auto v = UserValue(kInternetSettings, name);
    EXPECT_TRUE(v && v->Kind == sys::ValueKind::String) << name;
    return v ? v->Text : "<none>";
  }
  std::optional<std::uint32_t> Dword(const char* path, const char* name) {
    auto v = UserValue(path, name);
    if (!v || v->Kind != sys::ValueKind::Dword) return std::nullopt;
    return v->Dword;
  }
};

TEST_F(ProxyApplication, WritesTheValuesAndReports) {
  Apply({true, "Office", true, "192.168.0.1", "8080", true});
  EXPECT_EQ(Dword(kInternetSettings, "ProxyEnable"), 1u);
  EXPECT_EQ(Dword(kZoneMap, "ProxyByPass"), 1u);
  EXPECT_EQ(Server(), "192.168.0.1:8080");
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, "Server Proxy was changed!\nThe proxy settings are in force.");
  EXPECT_FALSE(shown->RedVisible);
  EXPECT_EQ(shown->Seconds, 10);
  EXPECT_EQ(shown->Icon, ui::IDI_Asterisk);
  // The bypass browsers honour, besides the zone map's flag; nothing else is written there.
  EXPECT_EQ(fake.Registry.ValueNames(sys::RootKey::CurrentUser, kInternetSettings),
            (std::vector<std::string>{"ProxyEnable", "ProxyServer", "ProxyOverride"}));
  EXPECT_EQ(Text("ProxyOverride"), "<local>");
}

TEST_F(ProxyApplication, LocalBypassComesAndGoesInTheUsersOverrideList) {
  auto list = [&] { return Text("ProxyOverride"); };
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyOverride",
                         {sys::ValueKind::String, "*.corp.example; 10.*", 0});
  Apply({true, "p", true, "proxy", "80", true});
  EXPECT_EQ(list(), "*.corp.example; 10.*;<local>");
  Apply({true, "p", true, "proxy", "80", false});
  EXPECT_EQ(list(), "*.corp.example;10.*");
  EXPECT_EQ(shown->Icon, ui::IDI_Asterisk);  // read back as written
  // Written by another program, in its own letters: already in force, left alone.
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyOverride",
                         {sys::ValueKind::String, "<LOCAL>", 0});
  Apply({true, "p", true, "proxy", "80", true});
  EXPECT_EQ(list(), "<LOCAL>");
  Apply({true, "p", true, "proxy", "80", false});
  EXPECT_EQ(list(), "");
}

TEST_F(ProxyApplication, ServerTextFollowsThePortTextExactly) {
  Apply({true, "p", true, "192.168.0.1", "", false});
  EXPECT_EQ(Server(), "192.168.0.1");
  EXPECT_EQ(Dword(kZoneMap, "ProxyByPass"), 0u);                // written, never deleted
  EXPECT_FALSE(UserValue(kInternetSettings, "ProxyOverride"));  // no list made to say no
  Apply({true, "p", true, "192.168.0.1", "  ", false});
  EXPECT_EQ(Server(), "192.168.0.1:  ");
  Apply({true, "p", true, "", "", false});
  EXPECT_EQ(Server(), "");
}

TEST_F(ProxyApplication, ProxyOffStillWritesTheServerText) {
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer",
                         {sys::ValueKind::String, "old:1", 0});
  Apply({true, "Off", false, "10.1.1.1", "3128", false});
  EXPECT_EQ(Dword(kInternetSettings, "ProxyEnable"), 0u);
  EXPECT_EQ(Server(), "10.1.1.1:3128");
}

TEST_F(ProxyApplication, RunningProgramsAreToldAfterTheValuesAreWritten) {
  std::string serverAtNotice;
  fake.InternetSettings.OnNotify = [&] { serverAtNotice = Server(); };
  Apply({true, "p", true, "proxy", "80", false});
  EXPECT_EQ(fake.InternetSettings.Notifications, 1);
  EXPECT_EQ(serverAtNotice, "proxy:80");
}

TEST_F(ProxyApplication, DecliningWritesNothing) {
  Ind().Profiles.ProxyProfiles[9] = {true, "p", true, "proxy", "80", true};
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyProxyProfile(9));
  ExpectAllAnswered();
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::CurrentUser, kInternetSettings));
  EXPECT_EQ(fake.InternetSettings.Notifications, 0);
  EXPECT_TRUE(fake.Sound.Events.empty());  // no message, so no beep
}

TEST_F(ProxyApplication, AFailedWriteIsReportedNotCalledASuccess) {
  fake.Registry.SetDenied(sys::RootKey::CurrentUser, kZoneMap);
  Apply({true, "p", true, "proxy", "80", true});
  // The other two are still made.
  EXPECT_EQ(Server(), "proxy:80");
  EXPECT_EQ(Dword(kInternetSettings, "ProxyEnable"), 1u);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, Msg("LabelProxyNotWritten"));
  EXPECT_NE(shown->Message, "");
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
}

TEST_F(ProxyApplication, AllSettingsAreSavedAfterwardsAlsoWhenAWriteFailed) {
  Ind().Cfg.Alpha = 123;  // changed in memory only
  Apply({true, "p", true, "proxy", "80", true});
  EXPECT_EQ(Stored("Alpha"), "123");
  EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\ProxyChanger9"), "p");
  Ind().Cfg.Alpha = 124;
  fake.Registry.SetDenied(sys::RootKey::CurrentUser, kZoneMap);
  Apply({true, "p", true, "proxy", "80", true});
  EXPECT_EQ(shown->Message, Msg("LabelProxyNotWritten"));
  EXPECT_EQ(Stored("Alpha"), "124");
  // Declined: nothing is saved.
  Ind().Cfg.Alpha = 125;
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyProxyProfile(9));
  EXPECT_EQ(Stored("Alpha"), "124");
}

// ---- adapters and MAC ----

class MacApplication : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
  }
  bool Apply(const profiles::MacProfileRecord& m) {
    Ind().Profiles.MacProfiles[3] = m;
    AnswerConfirmation(true);
    RecordTimedMessage();
    bool applied = Ind().ApplyMacProfile(3);
    ExpectAllAnswered();
    return applied;
  }
};

TEST_F(MacApplication, DiscoveryListsOnlyDevicesWithABusType) {
  AddAdapter("0000", "Intel PRO/100", std::string("00AABBCCDDEE"));
  AddAdapter("0001", "Not a device", std::nullopt, false);
  AddAdapter("0002", "Realtek");
  AddAdapter("0003", "Realtek");
  AddAdapter("0004", "");
  changers::NetworkAdapters a = Ind().ListNetworkAdapters();
  EXPECT_EQ(a.Links, (std::vector<std::string>{"0000", "0002", "0003", "0004"}));
  EXPECT_EQ(a.Descriptions, (std::vector<std::string>{"Intel PRO/100", "Realtek", "Realtek", ""}));
  EXPECT_EQ(a.Addresses, (std::vector<std::string>{"00AABBCCDDEE", "", "", ""}));
  EXPECT_EQ(fake.Registry.OpenKeyCount(), 0);
}

TEST_F(MacApplication, DiscoveryWithoutAClassKeyOrWithAValueOfAnotherKind) {
  EXPECT_EQ(Ind().ListNetworkAdapters().Count(), 0u);
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::LocalMachine, kAdapterClass));  // not made
  AddAdapter("0000", "Good");
  fake.Registry.PutValue(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0000",
                         "NetworkAddress", {sys::ValueKind::Dword, "", 5});
  try {
    Ind().ListNetworkAdapters();
    ADD_FAILURE() << "no error for a DWORD address";
  } catch (const changers::InvalidDataType& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'NetworkAddress'");
  }
  // A key the user may not open with full access counts as absent.
  fake.Registry.SetDenied(sys::RootKey::LocalMachine, kAdapterClass);
  EXPECT_EQ(Ind().ListNetworkAdapters().Count(), 0u);
}

TEST_F(MacApplication, WritesTheAddressExactlyAndReportsWithTheRedLine) {
  AddAdapter("0007", "Fast Ethernet");
  EXPECT_TRUE(Apply({true, "Spoof", "Fast Ethernet", true, "0007", "00aa-BB:cc"}));
  auto v = AdapterValue("0007", "NetworkAddress");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Kind, sys::ValueKind::String);
  EXPECT_EQ(v->Text, "00aa-BB:cc");
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, "MAC Address was changed!");
  EXPECT_TRUE(shown->RedVisible);
  EXPECT_EQ(shown->Red, "YOU NEED TO DISABLE AND ENABLE DEVICE TO APPLY CHANGES!");
  EXPECT_EQ(shown->Seconds, 20);
  EXPECT_EQ(shown->Icon, ui::IDI_Asterisk);
}

TEST_F(MacApplication, TheDefaultAddressDeletesTheValueTwiceWithoutHarm) {
  AddAdapter("0007", "Fast Ethernet", std::string("00AABBCCDDEE"));
  const profiles::MacProfileRecord builtIn{true,  "Default", "Fast Ethernet",
                                           false, "0007",    "00AABBCCDDEE"};
  EXPECT_TRUE(Apply(builtIn));
  EXPECT_FALSE(AdapterValue("0007", "NetworkAddress"));
  EXPECT_TRUE(Apply(builtIn));
  EXPECT_EQ(shown->Message, "MAC Address was changed!");
  EXPECT_TRUE(AdapterValue("0007", "DriverDesc"));  // the rest of the key stays
}

TEST_F(MacApplication, AnAdapterThatIsGoneIsRefusedWithoutMakingAKey) {
  AddAdapter("0001", "Other");
  for (const char* link : {"0009", "", "0001\\Ndi"}) {
    EXPECT_TRUE(Apply({true, "Gone", "Fast Ethernet", true, link, "00AABBCCDDEE"}));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Message, Msg("LabelMacNotWritten")) << link;
    EXPECT_FALSE(shown->RedVisible);
    EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
  }
  EXPECT_FALSE(
      fake.Registry.KeyExists(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0009"));
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::LocalMachine,
                                       std::string(kAdapterClass) + "\\0001\\Ndi"));
  EXPECT_EQ(fake.Registry.ValueNames(sys::RootKey::LocalMachine, kAdapterClass),
            std::vector<std::string>{});
}

TEST_F(MacApplication, AKeyWithoutWriteAccessIsReported) {
  AddAdapter("0007", "Fast Ethernet");
  fake.Registry.SetDenied(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0007");
  EXPECT_TRUE(Apply({true, "Spoof", "Fast Ethernet", true, "0007", "00AABBCCDDEE"}));
  EXPECT_FALSE(AdapterValue("0007", "NetworkAddress"));
  // The adapter is there: what is missing are the rights, and the user is told so.
  EXPECT_EQ(shown->Message, Msg("LabelMacNeedsAdmin"));
  EXPECT_EQ(shown->Message,
            "The MAC address could not be written: administrator rights are needed!");
}

TEST_F(MacApplication, AllSettingsAreSavedAfterwardsAlsoWhenAWriteFailed) {
  AddAdapter("0007", "Fast Ethernet");
  Ind().Cfg.Alpha = 123;
  EXPECT_TRUE(Apply({true, "Spoof", "Fast Ethernet", true, "0007", "00AABBCCDDEE"}));
  EXPECT_EQ(Stored("Alpha"), "123");
  EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\MacChanger3"), "Spoof");
  Ind().Cfg.Alpha = 124;
  EXPECT_TRUE(Apply({true, "Gone", "Fast Ethernet", true, "0009", "00AABBCCDDEE"}));
  EXPECT_EQ(shown->Message, Msg("LabelMacNotWritten"));
  EXPECT_EQ(Stored("Alpha"), "124");
  Ind().Cfg.Alpha = 125;
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyMacProfile(3));
  EXPECT_EQ(Stored("Alpha"), "124");
}

TEST_F(MacApplication, DecliningChangesNothing) {
  AddAdapter("0007", "Fast Ethernet", std::string("001122334455"));
  Ind().Profiles.MacProfiles[3] = {true, "Default", "Fast Ethernet", false, "0007", ""};
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyMacProfile(3));
  ExpectAllAnswered();
  EXPECT_EQ(AdapterValue("0007", "NetworkAddress")->Text, "001122334455");
}

TEST_F(MacApplication, WithoutRightsTheProgramWritesElevatedAndADeclineChangesNothing) {
  AddAdapter("0007", "Fast Ethernet", std::string("001122334455"));
  fake.Processes.NeedsElevation = true;
  fake.Processes.RunAsProcess = [this](const sys::FakeProcesses::ExecuteCall& call) {
    EXPECT_TRUE(call.Elevated);
    EXPECT_EQ(call.File, fake.Environment.Exe);
    RunVerb(call.Params);
  };
  EXPECT_TRUE(Apply({true, "Spoof", "Fast Ethernet", true, "0007", "02AABBCCDDEE"}));
  EXPECT_EQ(AdapterValue("0007", "NetworkAddress")->Text, "02AABBCCDDEE");
  EXPECT_EQ(shown->Message, "MAC Address was changed!");
  EXPECT_TRUE(shown->RedVisible);
  fake.Processes.ElevatedResult = sys::LaunchDeclined;
  EXPECT_TRUE(Apply({true, "Default", "Fast Ethernet", false, "0007", ""}));
  EXPECT_EQ(AdapterValue("0007", "NetworkAddress")->Text, "02AABBCCDDEE");
  EXPECT_EQ(shown->Message, Msg("LabelMacDeclined"));
  ASSERT_EQ(fake.Processes.ExecuteCalls.size(), 2u);
  EXPECT_EQ(fake.Processes.ExecuteCalls[1].Params, "/networkaddress 0007 /delete");
  // What the elevated verb would refuse is not asked about.
  EXPECT_TRUE(Apply({true, "Dashes", "Fast Ethernet", true, "0007", "02-AA-BB-CC"}));
  EXPECT_EQ(shown->Message, Msg("LabelMacInvalid"));
  EXPECT_EQ(fake.Processes.ExecuteCalls.size(), 2u);
}

// ---- IP ----

class IPApplication : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    fake.Environment.Temp = TempDir();
    std::filesystem::create_directories(fake.Environment.Temp);
    Start();
    auto& t = Ind().Profiles;
    t.IPProfiles[0] = testing_support::OfficeProfile();
    t.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "Local Area Connection", -1, -1};
    t.IPProfiles[2] = {true, "Wireless", true, "", "", "", "", "", "Wireless", -1, -1};
    // What the started batch would find.
    fake.Processes.RunAsProcess = [this](const sys::FakeProcesses::ExecuteCall&) {
      batchAtRun = ReadFile(Temp() + "qth_run.bat");
      scriptAtRun = ReadFile(Temp() + "qth_run.txt");
      marksAtRun = Ind().Profiles.AppliedMarks;
      proxyAtRun = UserValue(kInternetSettings, "ProxyServer").has_value();
      macAtRun = AdapterValue("0001", "NetworkAddress").has_value();
      fake.IpHelper.Now = {testing_support::ConnectionAfter(Ind().Profiles.IPProfiles[applying])};
    };
  }
  virtual std::string TempDir() { return dir.Dir() + "temp" + Sep(); }
  static std::string Sep() { return std::string(1, std::filesystem::path::preferred_separator); }
  std::string Temp() { return Ind().TempFolder; }

  bool Apply(int slot) {
    AnswerConfirmation(true);
    RecordTimedMessage();
    applying = std::size_t(slot);
    bool applied = Ind().ApplyIPProfile(slot);
    ExpectAllAnswered();
    return applied;
  }

  std::size_t applying = 0;
  std::string batchAtRun, scriptAtRun;
  std::array<bool, profiles::SlotCount> marksAtRun{};
  bool proxyAtRun = false, macAtRun = false;
};

TEST_F(IPApplication, DhcpScriptHasFiveLines) {
  EXPECT_TRUE(Apply(1));
  EXPECT_EQ(scriptAtRun,
            "pushd interface ip\r\n"
            "set address name=\"Local Area Connection\" source=dhcp\r\n"
            "set dns name=\"Local Area Connection\" source=dhcp register=PRIMARY\r\n"
            "set wins name=\"Local Area Connection\" source=dhcp\r\n"
            "popd\r\n");
  EXPECT_EQ(batchAtRun,
            "\"%SystemRoot%\\System32\\netsh.exe\" -f \"" + Temp() + "qth_run.txt\"\r\n");
  ASSERT_EQ(fake.Processes.ExecuteCalls.size(), 1u);
  const auto& call = fake.Processes.ExecuteCalls[0];
  EXPECT_EQ(call.File, Temp() + "qth_run.bat");
  EXPECT_EQ(call.Params, "");
  EXPECT_EQ(call.Directory, "");
  EXPECT_EQ(call.Show, 2);
  EXPECT_TRUE(call.Wait);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message,
            "Adress IP was changed!\nThe settings are in force on Local Area Connection.");
  EXPECT_FALSE(shown->RedVisible);
  EXPECT_EQ(shown->Seconds, 10);
  EXPECT_EQ(shown->Icon, ui::IDI_Asterisk);
}

TEST_F(IPApplication, StaticScriptHasSevenLinesAndKeepsEmptyFields) {
  Ind().Profiles.IPProfiles[0].statDns2 = "";
  EXPECT_TRUE(Apply(0));
  EXPECT_EQ(scriptAtRun,
            "pushd interface ip\r\n"
            "set address name=\"Local Area Connection\" source=static addr=10.0.0.5 "
            "mask=255.255.255.0\r\n"
            "set address name=\"Local Area Connection\" gateway=10.0.0.1 gwmetric=0\r\n"
            "set dns name=\"Local Area Connection\" source=static addr=10.0.0.2 "
            "register=PRIMARY\r\n"
            "add dns name=\"Local Area Connection\" addr= index=2\r\n"
            "set wins name=\"Local Area Connection\" source=static addr=none\r\n"
            "popd\r\n");
  // The files stay for the next use to overwrite.
  EXPECT_EQ(ReadFile(Temp() + "qth_run.txt"), scriptAtRun);
}

TEST_F(IPApplication, FieldsGoInVerbatim) {
  Ind().Profiles.IPProfiles[0].statIP = " 10.0.0.5 ";
  Ind().Profiles.IPProfiles[0].connectionName = "LAN & more";
  EXPECT_TRUE(Apply(0));
  EXPECT_NE(scriptAtRun.find("set address name=\"LAN & more\" source=static addr= 10.0.0.5  mask="),
            std::string::npos)
      << scriptAtRun;
}

TEST_F(IPApplication, AppliedMarksOnePerConnection) {
  auto& marks = Ind().Profiles.AppliedMarks;
  marks[0] = true;  // same connection as slot 1
  marks[2] = true;  // another connection
  marks[5] = true;  // an unused slot
  EXPECT_TRUE(Apply(1));
  EXPECT_FALSE(marks[0]);
  EXPECT_TRUE(marks[1]);
  EXPECT_TRUE(marks[2]);
  EXPECT_FALSE(marks[5]);
  EXPECT_TRUE(marksAtRun[1]);  // set before the launch
  // Connection names compare exactly.
  Ind().Profiles.IPProfiles[0].connectionName = "local area connection";
  marks[0] = true;
  EXPECT_TRUE(Apply(1));
  EXPECT_TRUE(marks[0]);
}

TEST_F(IPApplication, DecliningWritesNoFileAndKeepsTheMarks) {
  Ind().Profiles.IPProfiles[0].ProxyProfile = 4;
  Ind().Profiles.ProxyProfiles[4] = {true, "p", true, "proxy", "80", false};
  Ind().Profiles.AppliedMarks[0] = false;
  Ind().Profiles.AppliedMarks[1] = true;
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyIPProfile(0));
  ExpectAllAnswered();
  EXPECT_FALSE(Ind().Profiles.AppliedMarks[0]);
  EXPECT_TRUE(Ind().Profiles.AppliedMarks[1]);
  EXPECT_FALSE(sys::files::FileExists(Temp() + "qth_run.bat"));
  EXPECT_FALSE(sys::files::FileExists(Temp() + "qth_run.txt"));
  EXPECT_TRUE(fake.Processes.ExecuteCalls.empty());
  EXPECT_FALSE(UserValue(kInternetSettings, "ProxyServer"));
}

TEST_F(IPApplication, LinkedProfilesAreWrittenBeforeTheShellRuns) {
  AddAdapter("0001", "Fast Ethernet");
  auto& t = Ind().Profiles;
  t.IPProfiles[0].ProxyProfile = 4;
  t.IPProfiles[0].MacProfile = 6;
  t.ProxyProfiles[4] = {true, "p", true, "proxy", "80", false};
  t.MacProfiles[6] = {true, "m", "Fast Ethernet", true, "0001", "001122334455"};
  EXPECT_TRUE(Apply(0));
  EXPECT_TRUE(proxyAtRun);
  EXPECT_TRUE(macAtRun);
  EXPECT_EQ(UserValue(kInternetSettings, "ProxyServer")->Text, "proxy:80");
  EXPECT_EQ(AdapterValue("0001", "NetworkAddress")->Text, "001122334455");
  EXPECT_EQ(shown->Message,
            "Adress IP was changed!\nThe settings are in force on Local Area Connection.");
  EXPECT_TRUE(shown->RedVisible);
}

TEST_F(IPApplication, LinkedDefaultMacDeletesTheValueAndAddsTheRedLine) {
  AddAdapter("0001", "Fast Ethernet", std::string("001122334455"));
  Ind().Profiles.IPProfiles[1].MacProfile = 6;
  Ind().Profiles.MacProfiles[6] = {true, "m", "Fast Ethernet", false, "0001", "001122334455"};
  EXPECT_TRUE(Apply(1));
  EXPECT_FALSE(AdapterValue("0001", "NetworkAddress"));
  EXPECT_TRUE(shown->RedVisible);
  EXPECT_EQ(shown->Red, Msg("LabelDisEnab"));
}

TEST_F(IPApplication, WithoutRightsTheElevatedBatchWritesTheLinkedMacAfterOneQuestion) {
  AddAdapter("0001", "Fast Ethernet");
  Ind().Profiles.IPProfiles[1].MacProfile = 6;
  Ind().Profiles.MacProfiles[6] = {true, "m", "Fast Ethernet", true, "0001", "02AABBCCDDEE"};
  fake.Processes.NeedsElevation = true;
  auto batch = fake.Processes.RunAsProcess;
  fake.Processes.RunAsProcess = [this, batch](const sys::FakeProcesses::ExecuteCall& call) {
    batch(call);
    RunVerb(app::CommandText(  // the batch's first line, as the program would read it
        app::ParseArguments(app::ArgumentsOf(batchAtRun.substr(0, batchAtRun.find('\r')))).Cmd));
  };
  EXPECT_TRUE(Apply(1));
  EXPECT_EQ(batchAtRun, "\"" + fake.Environment.Exe + "\" /networkaddress 0001 02AABBCCDDEE\r\n" +
                            profiles::NetshBatchText(Temp()));
  EXPECT_FALSE(macAtRun) << "written by the batch, not before";
  EXPECT_EQ(fake.Processes.ExecuteCalls.size(), 1u);
  EXPECT_EQ(AdapterValue("0001", "NetworkAddress")->Text, "02AABBCCDDEE");
  EXPECT_TRUE(shown->RedVisible);
  fake.Processes.ElevatedResult = sys::LaunchDeclined;
  Ind().Profiles.MacProfiles[6].MacAddress = "02FFFFFFFFFF";
  EXPECT_TRUE(Apply(1));
  EXPECT_EQ(AdapterValue("0001", "NetworkAddress")->Text, "02AABBCCDDEE");
  EXPECT_EQ(shown->Message, Msg("LabelIPNotApplied") + "\n" + Msg("LabelMacDeclined"));
}

TEST_F(IPApplication, LinkToAnUnusedSlotIsNotWritten) {
  Ind().Profiles.IPProfiles[1].ProxyProfile = 5;
  Ind().Profiles.ProxyProfiles[5] = {false, "deleted", true, "proxy", "80", false};
  EXPECT_TRUE(Apply(1));
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::CurrentUser, kInternetSettings));
  EXPECT_EQ(fake.InternetSettings.Notifications, 0);
}

TEST_F(IPApplication, LaunchFailureIsReportedWithItsCode) {
  fake.Processes.ExecuteResult = 2;
  EXPECT_TRUE(Apply(1));
  EXPECT_TRUE(Ind().Profiles.AppliedMarks[1]);  // marked all the same
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, "An error with executing NETSH.EXE : 2");
  EXPECT_FALSE(shown->RedVisible);
  EXPECT_EQ(shown->Seconds, 20);
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
}

TEST_F(IPApplication, AllSettingsAreSavedAfterwardsAlsoWhenTheLaunchFailed) {
  Ind().Cfg.Alpha = 123;  // changed in memory only
  EXPECT_TRUE(Apply(1));
  EXPECT_EQ(Stored("Alpha"), "123");
  EXPECT_EQ(Stored("Checked1", "\\Software\\Quonthary\\IPChanger_Connections"), "1");
  // The batch cannot be started: the marks and everything else are saved all the same.
  fake.Processes.ExecuteResult = 2;
  Ind().Cfg.Alpha = 124;
  EXPECT_TRUE(Apply(2));
  EXPECT_EQ(shown->Message, "An error with executing NETSH.EXE : 2");
  EXPECT_EQ(Stored("Alpha"), "124");
  EXPECT_EQ(Stored("Checked2", "\\Software\\Quonthary\\IPChanger_Connections"), "1");
  // Declined: nothing is saved.
  Ind().Cfg.Alpha = 125;
  AnswerConfirmation(false);
  EXPECT_FALSE(Ind().ApplyIPProfile(0));
  EXPECT_EQ(Stored("Alpha"), "124");
}

TEST_F(IPApplication, TheIndicatorComesToTheFrontBeforeTheQuestionAndAfterTheShell) {
  std::size_t raisedBeforeRun = 0;
  fake.Processes.RunAsProcess = [&](const sys::FakeProcesses::ExecuteCall&) {
    raisedBeforeRun = fake.Desktop.SetForegroundCalls.size();
  };
  bool asked = false;
  ui_->OnModal([&](ui::TForm& form) {
    auto& w = dynamic_cast<TFormMessageChanger&>(form);
    asked = true;
    // Raised before the question shows.
    ASSERT_FALSE(fake.Desktop.SetForegroundCalls.empty());
    EXPECT_EQ(fake.Desktop.SetForegroundCalls.back(), Ind().Handle());
    ui::headless::Current()->Click(w.Button1);
  });
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_TRUE(asked);
  // The shell's console window took the front: the indicator is raised again after it.
  const auto& calls = fake.Desktop.SetForegroundCalls;
  ASSERT_GT(calls.size(), raisedBeforeRun);
  EXPECT_EQ(calls[raisedBeforeRun], Ind().Handle());
  // Also after a launch that failed: once for the question, once after the launch.
  fake.Processes.ExecuteResult = 2;
  fake.Desktop.SetForegroundCalls.clear();
  EXPECT_TRUE(Apply(1));
  // (the timed message then raises itself).
  ASSERT_GE(fake.Desktop.SetForegroundCalls.size(), 2u);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[0], Ind().Handle());
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[1], Ind().Handle());
}

TEST_F(IPApplication, AFailedLinkedWriteIsReported) {
  auto& t = Ind().Profiles;
  t.IPProfiles[1].MacProfile = 6;  // its adapter does not exist
  t.MacProfiles[6] = {true, "m", "Fast Ethernet", true, "0001", "001122334455"};
  t.IPProfiles[1].ProxyProfile = 4;
  t.ProxyProfiles[4] = {true, "p", true, "proxy", "80", false};
  fake.Registry.SetDenied(sys::RootKey::CurrentUser, kInternetSettings);
  EXPECT_TRUE(Apply(1));
  EXPECT_FALSE(
      fake.Registry.KeyExists(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0001"));
  EXPECT_EQ(fake.Processes.ExecuteCalls.size(), 1u);  // the IP part still goes ahead
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, Msg("LabelIPNotHeld") + "\n" + Msg("LabelProxyNotWritten") + "\n" +
                                Msg("LabelMacNotWritten") +
                                "\nThe settings are in force on Local Area Connection.");
  EXPECT_FALSE(shown->RedVisible);  // no device to restart
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
}

TEST_F(IPApplication, UnsafeFieldsAreRefusedBeforeAnythingChanges) {
  AddAdapter("0001", "Fast Ethernet");
  auto& t = Ind().Profiles;
  t.ProxyProfiles[4] = {true, "p", true, "proxy", "80", false};
  t.MacProfiles[6] = {true, "m", "Fast Ethernet", true, "0001", "001122334455"};
  const std::vector<std::pair<std::string, std::string>> unsafe = {
      {"LAN\" source=static addr=1.2.3.4", "10.0.0.5"},
      {"LAN\r\nset address name=\"Other\" source=dhcp", "10.0.0.5"},
      {"LAN\n", "10.0.0.5"},
      {"LAN", "10.0.0.5\r\ndelete dns name=\"LAN\" all"},
  };
  for (const auto& [name, address] : unsafe) {
    t.IPProfiles[0].connectionName = name;
    t.IPProfiles[0].statIP = address;
    t.IPProfiles[0].ProxyProfile = 4;
    t.IPProfiles[0].MacProfile = 6;
    RecordTimedMessage();  // no confirmation window: the refusal comes first
    EXPECT_FALSE(Ind().ApplyIPProfile(0));
    ExpectAllAnswered();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Message, Msg("LabelUnsafeProfile"));
    EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
    shown.reset();
  }
  EXPECT_FALSE(Ind().Profiles.AppliedMarks[0]);
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::CurrentUser, kInternetSettings));
  EXPECT_FALSE(AdapterValue("0001", "NetworkAddress"));
  EXPECT_FALSE(sys::files::FileExists(Temp() + "qth_run.txt"));
  EXPECT_TRUE(fake.Processes.ExecuteCalls.empty());

  // A DHCP profile writes no addresses, so a line break left in them does no harm.
  t.IPProfiles[1].statIP = "1.2.3.4\r\n";
  EXPECT_TRUE(Apply(1));
}

TEST_F(IPApplication, ScriptThatCannotBeWrittenIsNotRun) {
  Ind().TempFolder = dir.Dir() + "missing" + Sep();
  Ind().Profiles.AppliedMarks[0] = true;
  EXPECT_TRUE(Apply(1));
  EXPECT_TRUE(fake.Processes.ExecuteCalls.empty());
  EXPECT_TRUE(Ind().Profiles.AppliedMarks[0]);  // nothing was put in force
  EXPECT_FALSE(Ind().Profiles.AppliedMarks[1]);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, Msg("LabelScriptNotWritten"));
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
}

// A German account's folder, "Jürgen" in Windows-1252.
class IPApplicationInFolderWithBlanks : public IPApplication {
 protected:
  std::string TempDir() override {
    return dir.Dir() + "Local Settings" + Sep() + "J\xFCrgen 100%" + Sep();
  }
};

TEST_F(IPApplicationInFolderWithBlanks, BatchQuotesTheScriptPathInTheOemCodePage) {
  EXPECT_TRUE(Apply(1));
  // The command interpreter reads the batch in code page 850, where "ü" is 0x81.
  const std::string expected = "\"%SystemRoot%\\System32\\netsh.exe\" -f \"" + dir.Dir() +
                               "Local Settings" + Sep() + "J\x81rgen 100%%" + Sep() +
                               "qth_run.txt\"\r\n";
  EXPECT_EQ(batchAtRun, expected);
  EXPECT_EQ(fake.Processes.ExecuteCalls[0].File, TempDir() + "qth_run.bat");
  EXPECT_NE(scriptAtRun, "<missing>");
}

}  // namespace
