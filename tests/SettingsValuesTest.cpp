// How single stored values read: odd texts, the size step, empty texts with defaults, the
// load's effects on the gauge, and the order in which a load reads the store.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <sstream>

#include "SettingsFixture.h"
#include "settings/SettingsTable.h"

namespace {

using testing_support::kBase;
constexpr sys::RootKey HKCU = sys::RootKey::CurrentUser;

TEST(SettingsScale, StepsComeBackFromTheirScale) {
  EXPECT_EQ(settings::ScaleOfStep(5), 0.55f);
  EXPECT_EQ(settings::ScaleOfStep(20), 2.05f);
  EXPECT_EQ(settings::ScaleOfStep(0), 0.05f);
  for (int step = 0; step <= 100000; ++step)
    ASSERT_EQ(settings::StepOfScale(settings::ScaleOfStep(step)), step);
  // Below 0 too: truncated toward zero, a stored -999 would drift up by one at every save.
  for (int step : {-1, -2, -999})
    EXPECT_EQ(settings::StepOfScale(settings::ScaleOfStep(step)), step);
  // Far outside the slider's range the step stays an int.
  const auto top = std::numeric_limits<std::int32_t>::max();
  const auto bottom = std::numeric_limits<std::int32_t>::min();
  EXPECT_GT(settings::StepOfScale(settings::ScaleOfStep(top)), top - 1000);
  EXPECT_LT(settings::StepOfScale(settings::ScaleOfStep(bottom)), bottom + 1000);
  for (int step : {top, bottom, -2000000001}) {  // and, once stored, stays
    const int once = settings::StepOfScale(settings::ScaleOfStep(step));
    EXPECT_EQ(settings::StepOfScale(settings::ScaleOfStep(once)), once) << step;
  }
  EXPECT_EQ(settings::StepOfScale(std::numeric_limits<float>::infinity()), top);
}

class SettingsValues : public testing_support::SettingsFixture {
 protected:
  // Plants one value, loads again and hands back what memory holds.
  const settings::Settings& LoadWith(const std::string& name, const std::string& text,
                                     const std::string& path = kBase) {
    Plant(true, name, text, path);
    Ind().LoadSettings();
    return Ind().Cfg;
  }
};

TEST_F(SettingsValues, FlagsAndNumbersFromOddTexts) {
  Start();
  // Percentage defaults to on, ShowInfoText to off; both read an integer, non-zero is true.
  struct Case {
    const char* Text;
    bool Percentage;
    bool ShowInfoText;
  };
  for (const Case& c : {Case{"0", false, false}, Case{"1", true, true}, Case{"abc", true, false},
                        Case{"", true, false}, Case{"2", true, true}, Case{"yes", true, false},
                        Case{"-1", true, true}, Case{"$0", false, false}}) {
    Plant(true, "ShowInfoText", c.Text);
    const auto& cfg = LoadWith("Percentage", c.Text);
    EXPECT_EQ(cfg.Percentage, c.Percentage) << '"' << c.Text << '"';
    EXPECT_EQ(cfg.TimeMode(), !c.Percentage) << '"' << c.Text << '"';
    EXPECT_EQ(cfg.ShowInfoText, c.ShowInfoText) << '"' << c.Text << '"';
  }
  // Numbers are used unchecked; unreadable ones take the default.
  EXPECT_EQ(LoadWith("Alpha", "abc").Alpha, 255);
  EXPECT_EQ(LoadWith("Alpha", "").Alpha, 255);
  EXPECT_EQ(LoadWith("Alpha", "300").Alpha, 300);
  EXPECT_EQ(LoadWith("Alpha", "0x10").Alpha, 16);
  EXPECT_EQ(LoadWith("PositionFromTray", "-4").PositionFromTray, -4);
  EXPECT_EQ(LoadWith("SoundOption3", "9").SoundOption3, 9);
  EXPECT_EQ(LoadWith("WhenChatging", "255", testing_support::kColors).WhenChatging, 255);
  EXPECT_EQ(LoadWith("WhenCharging", "red", testing_support::kColors).WhenCharging, 0xFFFFFF);
}

TEST_F(SettingsValues, BatteryHeightKeepsItsStep) {
  TFormQuonthary& ind = Start();
  for (auto [text, scale, saved] : {std::tuple{"5", 0.55f, "5"}, std::tuple{"20", 2.05f, "20"},
                                    std::tuple{"0", 0.05f, "0"}, std::tuple{"abc", 0.55f, "5"}}) {
    EXPECT_EQ(LoadWith("BatteryHeight", text).BatteryScale, scale) << text;
    ind.SaveSettings();
    EXPECT_EQ(Saved(true, "BatteryHeight"), saved) << text;
  }
}

TEST_F(SettingsValues, EmptyTextsStandForTheirDefaults) {
  Start();
  EXPECT_EQ(LoadWith("SoundPlugOutSound", "").SoundPlugOutSound, "Sound\\BatterySource.wav");
  EXPECT_EQ(LoadWith("SoundPlugOutSound", "D:\\tunes\\bye.wav").SoundPlugOutSound,
            "D:\\tunes\\bye.wav");
  EXPECT_EQ(LoadWith("SoundPlugOutSound", " ").SoundPlugOutSound, " ");
  EXPECT_EQ(LoadWith("SoundNoConn", "").SoundNoConn, "Sound\\NoConnection.wav");
  EXPECT_EQ(LoadWith("ConnectionIP", "").ConnectionIP, "8.8.8.8");
  EXPECT_EQ(LoadWith("ConnectionIP", "127.0.0.2").ConnectionIP, "127.0.0.2");
  EXPECT_EQ(LoadWith("LanguageFile", "").LanguageFile, "") << "no default: the built-in texts";
  EXPECT_EQ(LoadWith("ExtarnalImagesDirectory", "").ExtarnalImagesDirectory, "");
}

TEST_F(SettingsValues, LoadPlacesTheTimeLabelAndThePlugIcon) {
  TFormQuonthary& ind = Start();
  ind.LabelTimeToEnd.SetBounds(0, 13, 31, 13);
  ind.ImageACPlug.Hide();
  LoadWith("ShowACPlugIcon", "1");
  EXPECT_EQ(ind.LabelTimeToEnd.Left(), 45 - 31);
  EXPECT_TRUE(ind.ImageACPlug.Visible());
  LoadWith("ShowACPlugIcon", "0");
  EXPECT_FALSE(ind.ImageACPlug.Visible());
}

// A registry that notes every value read, as "section/name".
class RecordingRegistry : public sys::Registry {
 public:
  explicit RecordingRegistry(sys::Registry& inner) : inner_(inner) {}
  std::unique_ptr<sys::RegistryKey> Open(sys::RootKey root, const std::string& path,
                                         bool create) override {
    auto key = inner_.Open(root, path, create);
    if (!key) return nullptr;
    return std::make_unique<Key>(std::move(key), settings::SectionOf(path), Reads);
  }
  std::vector<std::string> Reads;

 private:
  class Key : public sys::RegistryKey {
   public:
    Key(std::unique_ptr<sys::RegistryKey> inner, std::string section,
        std::vector<std::string>& reads)
        : inner_(std::move(inner)), section_(std::move(section)), reads_(reads) {}
    std::optional<sys::RegistryValue> Query(const std::string& name) override {
      reads_.push_back(section_ + "/" + name);
      return inner_->Query(name);
    }
    bool SetString(const std::string& n, const std::string& v) override {
      return inner_->SetString(n, v);
    }
    bool SetDword(const std::string& n, std::uint32_t v) override { return inner_->SetDword(n, v); }
    bool DeleteValue(const std::string& n) override { return inner_->DeleteValue(n); }
    std::vector<std::string> SubKeyNames() override { return inner_->SubKeyNames(); }

   private:
    std::unique_ptr<sys::RegistryKey> inner_;
    std::string section_;
    std::vector<std::string>& reads_;
  };
  sys::Registry& inner_;
};

class SettingsReadOrder : public testing_support::SettingsFixture {
 protected:
  RecordingRegistry recorder{fake.Registry};
};

TEST_F(SettingsReadOrder, LoadReadsInItsOwnOrder) {
  const sys::Platform p = fake.Platform();
  const sys::Platform recorded{p.Power, recorder,  p.Mix, p.Keys,   p.Monitor, p.Audio, p.Shell,
                               p.Icmp,  p.Version, p.Env, p.Screen, p.Time,    p.Inet};
  owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), recorded);
  TFormQuonthary& ind = Ind();
  ind.Profiles.ConnectionNames = {"LAN", "WLAN"};
  ind.SaveSettings();  // every key exists now, so every read reaches a key

  recorder.Reads.clear();
  ind.LoadSettings();

  std::vector<std::string> want;
  auto add = [&](const std::string& section, const std::string& names) {
    std::istringstream in(names);
    for (std::string n; in >> n;) want.push_back(section + "/" + n);
  };
  add("Quonthary",
      "Left Top Percentage UserDefBattFullTime UseLifeTimeDefault LanguageFile "
      "BatteryHeight");
  add("Colors", "WhenCharging WhenDischarging VolumeChanging WhenChatging");
  add("Quonthary",
      "ShowInfoText ShowTimeInfo ShowTimeOnBattery RunAtStartup HideWindowWhenFull "
      "ShowWhenVolChanging StayOnTop LogWorkTime Alpha PositionFromTray ShowChargArrow "
      "ShowDischargArrow UseExtarnalImages ExtarnalImagesDirectory HotKeyWindowToFront "
      "HotKeyMonOff HotKeyMonOn HotKeyVolume HotKeyMute HotKeyIPChanger HotKeyProxyChanger "
      "HotKeyMacChanger ShowACPlugIcon SoundOption1 SoundOption2 SoundOption3 SoundOption4 "
      "SoundPlugOutSound SoundPlugInSound SoundVolume SoundNoConn ShowMenuChange ShowMenuWindow "
      "AboutShowAtStartup AboutInternational PreviousVersion ConnectionCheck ConnectionIP "
      "AlertLowCharge AlertLowChargeAt AlertUnplug AlertUnplugAt SoundOption5 SoundOption6 "
      "SoundLowCharge SoundUnplug");
  add("IPChanger_Connections", "Count 0 1");
  for (int n = 0; n <= 20; ++n) {
    const std::string s = std::to_string(n);
    add("IPChanger" + s,
        "Used ProfileName isDHCP statIP statMask statGate statDns1 statDns2 connectionName "
        "ProxyProfile MacProfile");
    add("ProxyChanger" + s,
        "Used ProfileName UseProxyServer ProxyServer ProxyServerPort BypassProxyLCon");
    add("MacChanger" + s,
        "Used ProfileName NetworkAdapterName UseOtherMAC MacAddress LinkInRegistry");
  }
  add("Quonthary", "ShowInTaskBar AutoHeightOnTaskBar");
  for (int n = 0; n <= 20; ++n) add("IPChanger_Connections", "Checked" + std::to_string(n));
  EXPECT_EQ(recorder.Reads, want);
  owner.reset();  // before the recorder goes
}

}  // namespace
