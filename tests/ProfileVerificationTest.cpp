// A result the user can trust, on a whole start with fakes: the connection read back while
// the timed box is open, the proxy and adapter values read back after they were written,
// and the network shell started with administrator rights where Windows needs them.
#include <memory>

#include "system/Files.h"
#include "tests/ProfileFixture.h"

namespace {

using testing_support::ConnectionAfter;
using testing_support::kAdapterClass;
using testing_support::kInternetSettings;
using testing_support::ProfileFixture;

// What the box showed at each moment it was looked at.
struct BoxLook {
  std::string Message;
  int Icon = 0;
  int Seconds = 0;
  int Height = 0;
};

class ProfileVerification : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
    Ind().Profiles.IPProfiles[0] = testing_support::OfficeProfile();
    Ind().Profiles.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "Local Area Connection",
                                    -1,   -1};
    // What the connection had before; a network shell that does its job changes it.
    before = {
        "Local Area Connection", true, {{"192.168.1.7", 24}}, {"192.168.1.1"}, {"192.168.1.1"}};
    fake.IpHelper.Now = {before};
  }
  // The next timed box: looked at when shown and after each of the given seconds, then OK.
  void WatchBox(int seconds) {
    ui_->OnModal([this, seconds](ui::TForm& form) {
      auto& box = dynamic_cast<TFormMsgBox&>(form);
      for (int s = 0;; ++s) {
        looks.push_back(
            {box.LabelMsg.Caption(), box.ImageDesc.SystemIcon(), box.SecondsLeft, box.Height()});
        if (s == seconds || !box.Modal()) break;
        ui_->AdvanceTime(1000);
      }
      if (box.Modal()) ui_->Click(box.ButtonOK);
    });
  }
  // The network shell as it runs: it puts the profile in slot in force (or nothing).
  void ShellApplies(int slot, bool works = true) {
    fake.Processes.RunAsProcess = [this, slot, works](const sys::FakeProcesses::ExecuteCall&) {
      if (works)
        fake.IpHelper.Now = {ConnectionAfter(Ind().Profiles.IPProfiles[std::size_t(slot)])};
      readsAtRun = fake.IpHelper.Reads;
    };
  }

  sys::ConnectionConfig before;
  std::vector<BoxLook> looks;
  int readsAtRun = -1;
};

TEST_F(ProfileVerification, AStaticProfileTheShellIgnoredIsReportedWithWhatDiffers) {
  ShellApplies(0, false);
  AnswerConfirmation(true);
  WatchBox(3);
  EXPECT_TRUE(Ind().ApplyIPProfile(0));
  ExpectAllAnswered();
  EXPECT_EQ(readsAtRun, 0);  // read back only after the batch has ended
  ASSERT_GE(looks.size(), 3u);
  // Checking at first, while the address may still be on its way...
  EXPECT_EQ(looks[0].Message, "Adress IP was changed!\n" + Msg("LabelResultChecking"));
  EXPECT_EQ(looks[0].Icon, ui::IDI_Asterisk);
  EXPECT_EQ(looks[1].Message, looks[0].Message);
  // ... then, after the third look, that it did not hold and what the connection has instead.
  EXPECT_EQ(looks[2].Message,
            "Not all settings of the IP profile took effect:\n"
            "Local Area Connection has DHCP 192.168.1.7, expected 10.0.0.5");
  EXPECT_EQ(looks[2].Icon, ui::IDI_Exclamation);
  EXPECT_GE(looks[2].Seconds, 18);  // time to read it
  EXPECT_EQ(fake.IpHelper.Reads, 3);
  // Asked no more once answered.
  EXPECT_EQ(looks[3].Message, looks[2].Message);
}

TEST_F(ProfileVerification, ADhcpLeaseIsWaitedForWhileTheBoxCountsDown) {
  // Static before; DHCP at once, the lease with the fourth read.
  fake.IpHelper.Now = {ConnectionAfter(Ind().Profiles.IPProfiles[0])};
  fake.Processes.RunAsProcess = [this](const sys::FakeProcesses::ExecuteCall&) {
    fake.IpHelper.Now[0].Dhcp = true;
    fake.IpHelper.Now[0].Addresses.clear();
    fake.IpHelper.OnRead = [this](int read) {
      if (read == 4) fake.IpHelper.Now[0].Addresses = {{"192.168.1.7", 24}};
    };
  };
  AnswerConfirmation(true);
  WatchBox(5);
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  ExpectAllAnswered();
  ASSERT_GE(looks.size(), 5u);
  EXPECT_EQ(looks[2].Message, "Adress IP was changed!\n" + Msg("LabelResultChecking"));
  EXPECT_EQ(looks[3].Message,
            "Adress IP was changed!\nThe settings are in force on Local Area Connection.");
  EXPECT_EQ(looks[3].Icon, ui::IDI_Asterisk);
  EXPECT_EQ(looks[3].Seconds, 7);  // the count-down went on meanwhile
  EXPECT_EQ(fake.IpHelper.Reads, 4);
}

TEST_F(ProfileVerification, AConnectionThatIsNotThereIsSaidAtOnceAndTheBoxGrowsForLongAnswers) {
  Ind().Profiles.IPProfiles[2] = {true, "Wi", true, "", "", "", "", "", "Wireless", -1, -1};
  ShellApplies(2, false);
  AnswerConfirmation(true);
  WatchBox(0);
  EXPECT_TRUE(Ind().ApplyIPProfile(2));
  ASSERT_EQ(looks.size(), 1u);
  EXPECT_EQ(looks[0].Message, Msg("LabelIPNotHeld") + "\nThe connection Wireless was not found.");
  EXPECT_EQ(looks[0].Icon, ui::IDI_Exclamation);

  // Four differences take four lines: the box is taller than for the one-line message.
  fake.IpHelper.Now = {before};
  fake.IpHelper.Now[0].Dhcp = false;
  ShellApplies(0, false);
  looks.clear();
  AnswerConfirmation(true);
  WatchBox(3);
  EXPECT_TRUE(Ind().ApplyIPProfile(0));
  ExpectAllAnswered();
  ASSERT_GE(looks.size(), 3u);
  EXPECT_EQ(std::count(looks[2].Message.begin(), looks[2].Message.end(), '\n'), 3);
  EXPECT_GT(looks[2].Height, looks[0].Height);
}

TEST_F(ProfileVerification, WithoutAdministratorRightsTheShellRunsElevatedAndTheUserIsToldFirst) {
  fake.Processes.NeedsElevation = true;
  ShellApplies(1);
  AnswerConfirmation(true, [](TFormMessageChanger& w) {
    EXPECT_TRUE(w.LabelRunAs.Visible());
    EXPECT_EQ(w.LabelRunAs.Caption(),
              "Windows will ask for administrator rights to change the IP settings.");
    // Between the profile's panel and the question, whole.
    EXPECT_GE(w.LabelRunAs.Top(), w.PanelIP.Bottom());
    EXPECT_LE(w.LabelRunAs.Bottom(), w.Label24.Top());
    const ui::TextSize text = ui::CurrentBackend().MeasureText(
        w.LabelRunAs.Font(), w.LabelRunAs.Caption(), w.LabelRunAs.Width());
    EXPECT_LE(text.Height, w.LabelRunAs.Height());
  });
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  ExpectAllAnswered();
  ASSERT_EQ(fake.Processes.ExecuteCalls.size(), 1u);
  EXPECT_TRUE(fake.Processes.ExecuteCalls[0].Elevated);
  EXPECT_EQ(fake.Processes.ExecuteCalls[0].File, Ind().TempFolder + "qth_run.bat");
  EXPECT_EQ(fake.Processes.ExecuteCalls[0].Show, sys::ShowMinimized);
  EXPECT_EQ(shown->Message,
            "Adress IP was changed!\nThe settings are in force on Local Area Connection.");

  // With the rights the program has, no question and no notice.
  fake.Processes.NeedsElevation = false;
  AnswerConfirmation(true, [](TFormMessageChanger& w) { EXPECT_FALSE(w.LabelRunAs.Visible()); });
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  ASSERT_EQ(fake.Processes.ExecuteCalls.size(), 2u);
  EXPECT_FALSE(fake.Processes.ExecuteCalls[1].Elevated);
}

TEST_F(ProfileVerification, ADeclinedElevationIsReportedAsNotApplied) {
  fake.Processes.NeedsElevation = true;
  fake.Processes.ElevatedResult = sys::LaunchDeclined;
  Ind().Profiles.AppliedMarks[0] = true;
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  ExpectAllAnswered();
  EXPECT_EQ(shown->Message, Msg("LabelIPNotApplied"));
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
  EXPECT_EQ(shown->Seconds, 20);
  // Nothing changed, so the marks stay where they were, saved as such.
  EXPECT_TRUE(Ind().Profiles.AppliedMarks[0]);
  EXPECT_FALSE(Ind().Profiles.AppliedMarks[1]);
  EXPECT_FALSE(Ind().mnuIP[1]->Checked());
  EXPECT_EQ(Stored("Checked0", "\\Software\\Quonthary\\IPChanger_Connections"), "1");
  EXPECT_EQ(fake.IpHelper.Reads, 0);
}

// The linked proxy is written before Windows asks for the rights; a decline puts it back.
TEST_F(ProfileVerification, ADeclinedElevationPutsTheLinkedProxyBackAsItWas) {
  fake.Processes.NeedsElevation = true;
  fake.Processes.ElevatedResult = sys::LaunchDeclined;
  Ind().Profiles.IPProfiles[1].ProxyProfile = 3;
  Ind().Profiles.ProxyProfiles[3] = {true, "Office", true, "10.0.0.1", "8080", true};
  const auto user = sys::RootKey::CurrentUser;
  fake.Registry.PutValue(user, kInternetSettings, "ProxyEnable", {sys::ValueKind::Dword, "", 0});
  fake.Registry.PutValue(user, kInternetSettings, "ProxyServer",
                         {sys::ValueKind::String, "old:3128", 0});
  fake.Registry.PutValue(user, kInternetSettings, "ProxyOverride",
                         {sys::ValueKind::String, "*.corp", 0});
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_EQ(UserValue(kInternetSettings, "ProxyEnable")->Dword, 0u);
  EXPECT_EQ(UserValue(kInternetSettings, "ProxyServer")->Text, "old:3128");
  EXPECT_EQ(UserValue(kInternetSettings, "ProxyOverride")->Text, "*.corp");  // no <local> left
  EXPECT_FALSE(UserValue(testing_support::kZoneMap, "ProxyByPass"));  // absent before: deleted
  EXPECT_EQ(fake.InternetSettings.Notifications, 2);                  // the write, and the way back
  EXPECT_EQ(shown->Message, Msg("LabelIPNotApplied") + "\n" + Msg("LabelProxyRestored"));
  // A write that failed is moot once the values are back.
  fake.Registry.SetDenied(user, testing_support::kZoneMap);
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_EQ(shown->Message, Msg("LabelIPNotApplied") + "\n" + Msg("LabelProxyRestored"));

  // A value of a kind the program cannot write back: said so.
  fake.Registry.PutValue(user, kInternetSettings, "ProxyServer", {sys::ValueKind::Other, "", 0});
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  ExpectAllAnswered();
  EXPECT_EQ(shown->Message, Msg("LabelIPNotApplied") + "\n" + Msg("LabelProxyNotRestored"));
}

TEST_F(ProfileVerification, ProxyValuesAreReadBackAfterTheyAreWritten) {
  Ind().Profiles.ProxyProfiles[3] = {true, "Office", true, "10.0.0.1", "8080", true};
  // Another program (or a policy) puts its own server and list back as soon as programs are
  // told.
  fake.InternetSettings.OnNotify = [this] {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer",
                           {sys::ValueKind::String, "10.0.0.9:80", 0});
    fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyOverride",
                           {sys::ValueKind::String, "*.corp", 0});
  };
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyProxyProfile(3));
  ExpectAllAnswered();
  EXPECT_EQ(shown->Message,
            "The proxy settings did not hold:\nProxyServer reads 10.0.0.9:80, expected "
            "10.0.0.1:8080\nProxyOverride reads *.corp, expected *.corp;<local>");
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);

  // Linked to an IP profile: the line joins the IP result.
  Ind().Profiles.IPProfiles[1].ProxyProfile = 3;
  ShellApplies(1);
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_EQ(shown->Message, Msg("LabelIPNotHeld") +
                                "\nProxyServer reads 10.0.0.9:80, expected 10.0.0.1:8080\n"
                                "ProxyOverride reads *.corp, expected *.corp;<local>\n"
                                "The settings are in force on Local Area Connection.");
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
}

TEST_F(ProfileVerification, ALinkedMacWriteRefusedForRightsSaysSo) {
  AddAdapter("0001", "Fast Ethernet");
  fake.Registry.SetDenied(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0001");
  Ind().Profiles.IPProfiles[1].MacProfile = 6;
  Ind().Profiles.MacProfiles[6] = {true, "m", "Fast Ethernet", true, "0001", "001122334455"};
  ShellApplies(1);
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_EQ(shown->Message, Msg("LabelIPNotHeld") + "\n" + Msg("LabelMacNeedsAdmin") +
                                "\nThe settings are in force on Local Area Connection.");
  EXPECT_FALSE(shown->RedVisible);  // nothing to restart
}

// A registry that accepts the adapter's address and keeps it nowhere, as a driver key
// redirected elsewhere would.
class ForgetfulRegistry : public sys::Registry {
 public:
  explicit ForgetfulRegistry(sys::FakeRegistry& real) : real_(real) {}
  std::unique_ptr<sys::RegistryKey> Open(sys::RootKey root, const std::string& path,
                                         bool create) override {
    auto key = real_.Open(root, path, create);
    return key ? std::make_unique<Key>(std::move(key)) : nullptr;
  }
  bool Exists(sys::RootKey root, const std::string& path) override {
    return real_.Exists(root, path);
  }

 private:
  class Key : public sys::RegistryKey {
   public:
    explicit Key(std::unique_ptr<sys::RegistryKey> key) : key_(std::move(key)) {}
    std::optional<sys::RegistryValue> Query(const std::string& name) override {
      return key_->Query(name);
    }
    bool SetString(const std::string& name, const std::string& value) override {
      return name == "NetworkAddress" || key_->SetString(name, value);
    }
    bool SetDword(const std::string& name, std::uint32_t value) override {
      return key_->SetDword(name, value);
    }
    bool DeleteValue(const std::string& name) override { return key_->DeleteValue(name); }
    std::vector<std::string> SubKeyNames() override { return key_->SubKeyNames(); }

   private:
    std::unique_ptr<sys::RegistryKey> key_;
  };
  sys::FakeRegistry& real_;
};

class MacReadBack : public ProfileFixture {
 protected:
  void StartForgetful() {
    testing_support::SeenAboutDialog(fake);
    sys::Platform p = fake.Platform();
    platform = std::make_unique<sys::Platform>(
        sys::Platform{p.Power, forgetful, p.Mix, p.Keys, p.Monitor, p.Audio, p.Shell, p.Icmp,
                      p.Version, p.Env, p.Screen, p.Time, p.Inet, p.Ip});
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), *platform);
    ui::Application().SetMainForm(owner.get());
  }
  ForgetfulRegistry forgetful{fake.Registry};
  std::unique_ptr<sys::Platform> platform;
};

TEST_F(MacReadBack, AnAddressThatDoesNotHoldIsNotCalledChanged) {
  AddAdapter("0007", "Fast Ethernet", std::string("00AABBCCDDEE"));
  StartForgetful();
  Ind().Profiles.MacProfiles[2] = {true, "Spoof", "Fast Ethernet", true, "0007", "001122334455"};
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyMacProfile(2));
  ExpectAllAnswered();
  EXPECT_EQ(shown->Message,
            "The MAC address did not hold: the adapter reads 00AABBCCDDEE, expected 001122334455.");
  EXPECT_FALSE(shown->RedVisible);  // restarting would bring nothing
  EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);

  // The built-in address is a deleted value: that holds, and asks for the restart.
  Ind().Profiles.MacProfiles[2].UseOtherMAC = false;
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyMacProfile(2));
  EXPECT_EQ(shown->Message, "MAC Address was changed!");
  EXPECT_TRUE(shown->RedVisible);
}

}  // namespace
