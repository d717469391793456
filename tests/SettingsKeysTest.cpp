// The whole settings set: first-run defaults, the layout of a new INI file, round trips
// through both backends and the start-up entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ProfileSamples.h"
#include "SettingsFixture.h"
#include "settings/SettingsTable.h"

namespace {

using testing_support::kBase;
using testing_support::kColors;
using testing_support::kRun;
constexpr sys::RootKey HKCU = sys::RootKey::CurrentUser;
const std::string kConnections = "\\Software\\Quonthary\\IPChanger_Connections";

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> Keys(const settings::IniFile& ini, const std::string& section) {
  std::vector<std::string> keys;
  for (const auto& entry : ini.Entries(section)) keys.push_back(entry.first);
  return keys;
}

// Every field of Settings, by name; a field added there belongs here too.
// clang-format off
#define Q_EVERY_SETTING(X)                                                                         \
  X(LanguageFile)                                                                                  \
  X(Percentage)                                                                                    \
  X(UserDefBattFullTime)                                                                           \
  X(UseLifeTimeDefault)                                                                            \
  X(ShowInfoText) X(ShowTimeInfo) X(ShowTimeOnBattery) X(BatteryScale) X(RunAtStartup)             \
      X(WhenCharging) X(WhenDischarging) X(VolumeChanging) X(WhenChatging) X(StayOnTop)            \
          X(LogWorkTime) X(Alpha) X(PositionFromTray) X(HideWindowWhenFull) X(ShowWhenVolChanging) \
              X(ShowChargArrow) X(ShowDischargArrow) X(UseExtarnalImages)                          \
                  X(ExtarnalImagesDirectory) X(HotKeyWindowToFront) X(HotKeyMonOff) X(HotKeyMonOn) \
                      X(HotKeyVolume) X(HotKeyMute) X(HotKeyIPChanger) X(HotKeyProxyChanger)       \
                          X(HotKeyMacChanger) X(ShowACPlugIcon) X(SoundOption1) X(SoundOption2)    \
                              X(SoundOption3) X(SoundOption4) X(SoundPlugOutSound)                 \
                                  X(SoundPlugInSound) X(SoundVolume) X(SoundNoConn)                \
                                      X(ShowMenuChange) X(ShowMenuWindow) X(AboutShowAtStartup)    \
                                          X(AboutInternational) X(PreviousVersion)                 \
                                              X(ConnectionCheck) X(ConnectionIP) X(ShowInTaskBar)  \
                                                  X(AutoHeightOnTaskBar) X(AlertLowCharge)    \
                                                      X(AlertLowChargeAt) X(AlertUnplug)      \
                                                          X(AlertUnplugAt) X(SoundOption5)    \
                                                              X(SoundOption6) X(SoundLowCharge) \
                                                                  X(SoundUnplug)
// clang-format on

void ExpectSameSettings(const settings::Settings& got, const settings::Settings& want) {
#define Q_COMPARE(f) EXPECT_EQ(got.f, want.f) << #f;
  Q_EVERY_SETTING(Q_COMPARE)
#undef Q_COMPARE
}

// Every setting away from its default.
settings::Settings Unusual() {
  settings::Settings s;
  s.LanguageFile = "Deutsch.lng";
  s.Percentage = false;
  s.UserDefBattFullTime = 10805;
  s.UseLifeTimeDefault = false;
  s.ShowInfoText = true;
  s.ShowTimeInfo = false;
  s.ShowTimeOnBattery = true;
  s.BatteryScale = 1.35f;  // step 13
  s.RunAtStartup = false;
  s.WhenCharging = 0x00FF00;
  s.WhenDischarging = 0x0000FF;
  s.VolumeChanging = 0x123456;
  s.WhenChatging = 0;
  s.StayOnTop = false;
  s.LogWorkTime = false;
  s.Alpha = 180;
  s.PositionFromTray = 7;
  s.HideWindowWhenFull = true;
  s.ShowWhenVolChanging = false;
  s.ShowChargArrow = false;
  s.ShowDischargArrow = false;
  s.UseExtarnalImages = true;
  s.ExtarnalImagesDirectory = "Blue Steel";
  s.HotKeyWindowToFront = s.HotKeyMonOff = s.HotKeyMonOn = s.HotKeyVolume = true;
  s.HotKeyMute = s.HotKeyIPChanger = s.HotKeyProxyChanger = s.HotKeyMacChanger = true;
  s.ShowACPlugIcon = true;
  s.SoundOption1 = 0;
  s.SoundOption2 = 1;
  s.SoundOption3 = 2;
  s.SoundOption4 = 0;
  s.SoundPlugOutSound = "C:\\Media\\out.wav";
  s.SoundPlugInSound = "C:\\Media\\in.wav";
  s.SoundVolume = "C:\\Media\\volume.wav";
  s.SoundNoConn = "C:\\Media\\no connection.wav";
  s.ShowMenuChange = true;
  s.ShowMenuWindow = false;
  s.AboutShowAtStartup = true;
  s.AboutInternational = true;
  s.PreviousVersion = "0.9.0.0";  // a save stores the running version instead
  s.ConnectionCheck = true;
  s.ConnectionIP = "127.0.0.1";
  s.ShowInTaskBar = false;
  s.AutoHeightOnTaskBar = true;
  s.AlertLowCharge = s.AlertUnplug = true;
  s.AlertLowChargeAt = 7;
  s.AlertUnplugAt = 90;
  s.SoundOption5 = 1;
  s.SoundOption6 = 0;
  s.SoundLowCharge = "C:\\Media\\low.wav";
  s.SoundUnplug = "C:\\Media\\unplug.wav";
  return s;
}

class SettingsKeys : public testing_support::SettingsFixture {};

TEST_F(SettingsKeys, FirstRunDefaults) {
  aboutSeen = false;  // a truly empty store; the about dialog of the first start is closed
  ui_->OnModal([](ui::TForm& about) { about.Close(); });
  TFormQuonthary& ind = Start();
  const settings::Settings& c = ind.Cfg;
  EXPECT_TRUE(ind.TaskbarMode());
  EXPECT_TRUE(c.ShowInTaskBar);
  EXPECT_TRUE(c.Percentage);
  EXPECT_FALSE(c.TimeMode());
  EXPECT_TRUE(c.UseLifeTimeDefault);
  EXPECT_TRUE(c.StayOnTop);
  EXPECT_EQ(c.Alpha, 255);
  EXPECT_EQ(c.PositionFromTray, 20);
  EXPECT_TRUE(c.LogWorkTime);
  EXPECT_TRUE(c.RunAtStartup);
  EXPECT_EQ(Saved(true, "Quonthary", kRun), fake.Environment.Exe) << "starts with Windows";
  for (bool key : {c.HotKeyWindowToFront, c.HotKeyMonOff, c.HotKeyMonOn, c.HotKeyVolume,
                   c.HotKeyMute, c.HotKeyIPChanger, c.HotKeyProxyChanger, c.HotKeyMacChanger})
    EXPECT_FALSE(key);
  EXPECT_EQ(c.SoundOption1, 2) << "beep on plug-out";
  EXPECT_EQ(c.SoundOption2, 2) << "beep on plug-in";
  EXPECT_EQ(c.SoundOption3, 0);
  EXPECT_EQ(c.SoundOption4, 1) << "the no-connection file";
  EXPECT_FALSE(c.ConnectionCheck);
  EXPECT_EQ(c.WhenCharging, 0xFFFFFF);
  EXPECT_EQ(c.WhenDischarging, 0xFFFFFF);
  EXPECT_EQ(c.VolumeChanging, 0x00FFFF);
  EXPECT_EQ(c.WhenChatging, 0xFFFFFF);
  EXPECT_FLOAT_EQ(c.BatteryScale, 0.55f);
  EXPECT_EQ(c.SoundPlugOutSound, "Sound\\BatterySource.wav");
  EXPECT_EQ(c.SoundPlugInSound, "Sound\\ACPowerSource.wav");
  EXPECT_EQ(c.SoundVolume, "Sound\\VolumeChange.wav");
  EXPECT_EQ(c.SoundNoConn, "Sound\\NoConnection.wav");
  EXPECT_EQ(c.ConnectionIP, "8.8.8.8");
  EXPECT_TRUE(c.ShowMenuWindow);
  EXPECT_FALSE(c.ShowMenuChange);
  EXPECT_EQ(c.LanguageFile, "");
  EXPECT_FALSE(c.AboutShowAtStartup);
  // The charge alerts are off: nothing changes for a user who never chose them.
  EXPECT_FALSE(c.AlertLowCharge || c.AlertUnplug);
  EXPECT_EQ(c.AlertLowChargeAt, 10);
  EXPECT_EQ(c.AlertUnplugAt, 80);
  EXPECT_EQ(c.SoundOption5 * 10 + c.SoundOption6, 22) << "tones, once chosen";
  EXPECT_EQ(c.SoundLowCharge, "Sound\\LowCharge.wav");
  EXPECT_EQ(c.SoundUnplug, "Sound\\Unplug.wav");

  const profiles::ProfileTables& p = ind.Profiles;
  for (std::size_t i = 0; i < profiles::SlotCount; ++i) {
    EXPECT_FALSE(p.IPProfiles[i].Used);
    EXPECT_EQ(p.IPProfiles[i].ProxyProfile, -1);
    EXPECT_EQ(p.IPProfiles[i].MacProfile, -1);
    EXPECT_FALSE(p.ProxyProfiles[i].Used);
    EXPECT_FALSE(p.MacProfiles[i].Used);
    EXPECT_FALSE(p.AppliedMarks[i]);
  }
  EXPECT_TRUE(p.ConnectionNames.empty());
}

TEST_F(SettingsKeys, FirstRunInWindowModeGetsTheFirstRunPlace) {
  Plant(true, "ShowInTaskBar", "0");
  TFormQuonthary& ind = Start();
  EXPECT_FALSE(ind.TaskbarMode());
  EXPECT_EQ(ind.Left(), 5) << "Left and Top read as -999";
}

TEST_F(SettingsKeys, NewIniFileLayout) {
  ChooseIniFile();
  Start().SaveSettings();
  const std::string text = IniText();
  const auto ini = settings::IniFile::Parse(text);

  std::vector<std::string> sections = {"Quonthary_SETTINGS", "Quonthary", "Colors",
                                       "IPChanger_Connections"};
  for (int n = 0; n <= 20; ++n) {
    for (const char* kind : {"IPChanger", "ProxyChanger", "MacChanger"})
      sections.push_back(kind + std::to_string(n));
  }
  EXPECT_EQ(ini.SectionNames(), sections);

  // The about dialog of the first start wrote its three values before the first save.
  EXPECT_EQ(Keys(ini, "Quonthary"),
            Words("AboutShowAtStartup PreviousVersion LanguageFile Percentage UserDefBattFullTime "
                  "UseLifeTimeDefault ShowInfoText "
                  "ShowTimeInfo ShowTimeOnBattery BatteryHeight RunAtStartup StayOnTop "
                  "LogWorkTime Alpha PositionFromTray HideWindowWhenFull ShowWhenVolChanging "
                  "ShowChargArrow ShowDischargArrow UseExtarnalImages ExtarnalImagesDirectory "
                  "HotKeyWindowToFront HotKeyMonOff HotKeyMonOn HotKeyVolume HotKeyMute "
                  "HotKeyIPChanger HotKeyProxyChanger HotKeyMacChanger ShowACPlugIcon "
                  "SoundOption1 SoundOption2 SoundOption3 SoundOption4 SoundPlugOutSound "
                  "SoundPlugInSound SoundVolume SoundNoConn ShowMenuChange ShowMenuWindow "
                  "AboutInternational ConnectionCheck ConnectionIP AlertLowCharge AlertLowChargeAt "
                  "AlertUnplug AlertUnplugAt SoundOption5 SoundOption6 SoundLowCharge SoundUnplug "
                  "ShowInTaskBar "
                  "AutoHeightOnTaskBar"))
      << "no Left/Top in taskbar mode";
  EXPECT_EQ(Keys(ini, "Colors"), Words("WhenCharging WhenDischarging VolumeChanging WhenChatging"));
  std::vector<std::string> connections = {"Count"};
  for (int n = 0; n <= 20; ++n) connections.push_back("Checked" + std::to_string(n));
  EXPECT_EQ(Keys(ini, "IPChanger_Connections"), connections);
  for (int n : {0, 20}) {
    const std::string s = std::to_string(n);
    EXPECT_EQ(Keys(ini, "IPChanger" + s),
              Words("Used ProfileName isDHCP statIP statMask statGate statDns1 statDns2 "
                    "connectionName ProxyProfile MacProfile"));
    EXPECT_EQ(Keys(ini, "ProxyChanger" + s),
              Words("Used ProfileName UseProxyServer ProxyServer ProxyServerPort "
                    "BypassProxyLCon"));
    EXPECT_EQ(Keys(ini, "MacChanger" + s),
              Words("Used ProfileName NetworkAdapterName UseOtherMAC MacAddress "
                    "LinkInRegistry"));
  }

  // The text itself: CR LF throughout, an empty line after every section.
  const std::string head =
      "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
      "[Quonthary]\r\nAboutShowAtStartup=1\r\nPreviousVersion=1.0.0.1\r\nLanguageFile=\r\n"
      "Percentage=1\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("\r\nAutoHeightOnTaskBar=0\r\n\r\n[Colors]\r\nWhenCharging=16777215\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nWhenChatging=16777215\r\n\r\n[IPChanger_Connections]\r\nCount=0\r\n"
                      "Checked0=0\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nChecked20=0\r\n\r\n[IPChanger0]\r\nUsed=0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nProxyProfile=-1\r\nMacProfile=-1\r\n\r\n[ProxyChanger0]\r\nUsed=0\r\n"),
            std::string::npos);
  const std::string tail = "\r\nLinkInRegistry=\r\n\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
    ASSERT_EQ(text[i - 1], '\r') << "bare LF at " << i;
  for (std::size_t i = text.find("\n["); i != std::string::npos; i = text.find("\n[", i + 1))
    ASSERT_EQ(text.substr(i - 3, 4), "\r\n\r\n") << "no empty line before " << text.substr(i, 12);
  EXPECT_EQ(ini.Get("Quonthary", "BatteryHeight"), "5");
  EXPECT_EQ(ini.Get("Quonthary", "PreviousVersion"), "1.0.0.1");
  EXPECT_EQ(ini.Get("Quonthary", "SoundNoConn"), "Sound\\NoConnection.wav");
  EXPECT_EQ(ini.Get("Colors", "VolumeChanging"), "65535");
  EXPECT_EQ(fake.Registry.Value(HKCU, kBase, "Percentage"), std::nullopt)
      << "nothing of the set goes to the registry in INI mode";
}

TEST_F(SettingsKeys, WindowModeSavesThePosition) {
  ChooseIniFile();
  Plant(false, "ShowInTaskBar", "0");
  TFormQuonthary& ind = Start();
  ind.SetBounds(300, 200, ind.Width(), ind.Height());
  ind.SaveSettings();
  const auto keys = Keys(settings::IniFile::Parse(IniText()), "Quonthary");
  ASSERT_GE(keys.size(), 6u);
  EXPECT_EQ(keys[0], "ShowInTaskBar") << "the keys planted before the first save keep their place";
  EXPECT_EQ((std::vector<std::string>(keys.begin() + 1, keys.begin() + 6)),
            Words("AboutShowAtStartup PreviousVersion LanguageFile Left Top"));
  EXPECT_EQ(Saved(false, "Left"), "300");
  EXPECT_EQ(Saved(false, "Top"), "200");

  TFormQuonthary& again = Restart();
  EXPECT_EQ(again.Left(), 300);
  EXPECT_EQ(again.Top(), 200);
}

TEST_F(SettingsKeys, TaskbarModeLeavesTheStoredPosition) {
  Plant(true, "Left", "123");
  Plant(true, "Top", "456");
  TFormQuonthary& ind = Start();
  ind.SetBounds(10, 20, ind.Width(), ind.Height());
  ind.SaveSettings();
  EXPECT_EQ(Saved(true, "Left"), "123");
  EXPECT_EQ(Saved(true, "Top"), "456");
  EXPECT_EQ(Saved(true, "Alpha"), "255") << "the rest was saved";
}

// Runs once with the registry and once with the INI file.
class SettingsBackends : public testing_support::SettingsFixture,
                         public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    if (!GetParam()) ChooseIniFile();
  }
};

TEST_P(SettingsBackends, EverythingRoundTrips) {
  TFormQuonthary& ind = Start();
  EXPECT_EQ(ind.UseRegistry, GetParam());
  const settings::Settings want = Unusual();
  const profiles::ProfileTables profiles = testing_support::FilledProfiles();
  ind.Cfg = want;
  ind.Profiles = profiles;
  ind.SaveSettings();

  ind.Cfg = settings::Settings{};
  ind.Profiles = profiles::ProfileTables{};
  ind.LoadSettings();
  settings::Settings expected = want;
  expected.PreviousVersion = "1.0.0.1";
  ExpectSameSettings(ind.Cfg, expected);
  EXPECT_EQ(Saved(GetParam(), "BatteryHeight"), "13");
  for (std::size_t i = 0; i < profiles::SlotCount; ++i) {
    using testing_support::Tie;
    EXPECT_EQ(Tie(ind.Profiles.IPProfiles[i]), Tie(profiles.IPProfiles[i])) << i;
    EXPECT_EQ(Tie(ind.Profiles.ProxyProfiles[i]), Tie(profiles.ProxyProfiles[i])) << i;
    EXPECT_EQ(Tie(ind.Profiles.MacProfiles[i]), Tie(profiles.MacProfiles[i])) << i;
  }
  EXPECT_EQ(ind.Profiles.ConnectionNames, profiles.ConnectionNames);
  EXPECT_EQ(ind.Profiles.AppliedMarks, profiles.AppliedMarks);
}

TEST_P(SettingsBackends, RunEntryFollowsTheSettingAtEachStart) {
  Start();
  EXPECT_EQ(Saved(true, "Quonthary", kRun), fake.Environment.Exe);
  // Removed by hand: written again at the next start.
  fake.Registry.Open(HKCU, kRun, false)->DeleteValue("Quonthary");
  Restart();
  EXPECT_EQ(Saved(true, "Quonthary", kRun), fake.Environment.Exe);

  Plant(GetParam(), "RunAtStartup", "0");
  Restart();
  EXPECT_EQ(Saved(true, "Quonthary", kRun), std::nullopt);
  fake.Registry.PutValue(HKCU, kRun, "Quonthary", {sys::ValueKind::String, "old", 0});
  Restart();
  EXPECT_EQ(Saved(true, "Quonthary", kRun), std::nullopt) << "every start deletes it";
  EXPECT_EQ(Saved(false, "Quonthary", kRun), std::nullopt) << "never in the INI file";
}

INSTANTIATE_TEST_SUITE_P(Backends, SettingsBackends, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& p) {
                           return p.param ? "Registry" : "IniFile";
                         });

TEST_F(SettingsKeys, RegistryKinds) {
  TFormQuonthary& ind = Start();
  ind.Profiles = testing_support::FilledProfiles();
  ind.SaveSettings();
  auto kind = [&](const std::string& path, const char* name) {
    auto v = fake.Registry.Value(HKCU, path, name);
    return v ? v->Kind : sys::ValueKind::Other;
  };
  for (const char* name :
       {"Percentage", "Alpha", "BatteryHeight", "LanguageFile", "ShowInTaskBar", "PreviousVersion"})
    EXPECT_EQ(kind(kBase, name), sys::ValueKind::String) << name;
  EXPECT_EQ(kind(kColors, "VolumeChanging"), sys::ValueKind::String);
  EXPECT_EQ(Saved(true, "VolumeChanging", kColors), "65535");
  EXPECT_EQ(kind(kBase + "\\ProxyChanger3", "Used"), sys::ValueKind::Dword) << "profile data too";
  EXPECT_EQ(Saved(true, "Checked3", kConnections), "1");
}

TEST_F(SettingsKeys, FailedCommitReachesTheCallerAndKeepsTheFile) {
  ChooseIniFile();
  TFormQuonthary& ind = Start();
  ind.SaveSettings();
  const std::string before = IniText();
  namespace fs = std::filesystem;
  const fs::path file = dir.Path() / "Quonthary.ini";
  fs::permissions(file, fs::perms::owner_read);
  ind.Cfg.Alpha = 17;
  EXPECT_THROW(ind.SaveSettings(), sys::FileCreateError);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(IniText(), before);
  EXPECT_EQ(Saved(false, "Alpha"), "255");
}

TEST_F(SettingsKeys, PreviousVersionIsTheRunningVersion) {
  TFormQuonthary& ind = Start();
  fake.VersionInfo.Version = std::array<std::uint16_t, 4>{2, 7, 0, 31};
  fake.VersionInfo.Paths.clear();
  ind.SaveSettings();
  EXPECT_EQ(Saved(true, "PreviousVersion"), "2.7.0.31");
  ASSERT_FALSE(fake.VersionInfo.Paths.empty());
  EXPECT_EQ(fake.VersionInfo.Paths.back(), fake.Environment.Exe);
  fake.VersionInfo.Version = std::nullopt;
  ind.SaveSettings();
  EXPECT_EQ(Saved(true, "PreviousVersion"), "N/A");
  ind.LoadSettings();
  EXPECT_EQ(ind.Cfg.PreviousVersion, "N/A");
}

}  // namespace

TEST_F(SettingsKeys, RunEntryWithBlanksInThePathIsQuoted) {
  TFormQuonthary& ind = Start();
  fake.Environment.Exe = "C:\\Program Files\\Quonthary\\Quonthary.exe";
  ind.ApplyRunAtStartup(true);
  EXPECT_EQ(Saved(true, "Quonthary", kRun), "\"C:\\Program Files\\Quonthary\\Quonthary.exe\"");
}
