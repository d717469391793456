// The alerts: default patterns, sound files, silence; and the charge alerts' crossings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "indicator/ChargeAlerts.h"
#include "tests/IndicatorFixture.h"

using namespace testing_support;
using sys::SoundEvent;

class Alerts : public IndicatorFixture {
 protected:
  void SetUp() override {
    IndicatorFixture::SetUp();
    Start();
    fake.Sound.Events.clear();
  }
  std::string SoundFile(const std::string& name) {
    std::filesystem::create_directories(dir.Path() / "Sound");
    std::ofstream(dir.Path() / "Sound" / name) << "RIFF";
    return "Sound\\" + name;
  }
};

TEST_F(Alerts, BuiltInTonePatterns) {
  TFormQuonthary& ind = Ind();
  ind.Cfg.SoundOption1 = ind.Cfg.SoundOption2 = ind.Cfg.SoundOption3 = ind.Cfg.SoundOption4 = 2;
  ind.PlayPlugOutAlert();
  EXPECT_EQ(fake.Sound.Events, std::vector<SoundEvent>{SoundEvent::Tone(2000, 500)});
  fake.Sound.Events.clear();
  ind.PlayVolumeUpAlert();
  ind.PlayVolumeDownAlert();
  EXPECT_EQ(fake.Sound.Events,
            (std::vector<SoundEvent>{SoundEvent::Tone(500, 10), SoundEvent::Tone(500, 10)}));
  fake.Sound.Events.clear();
  ind.PlayConnectionLostAlert();
  std::vector<SoundEvent> falling;
  for (unsigned f = 1500; f >= 600; f -= 100) falling.push_back(SoundEvent::Tone(f, 20));
  EXPECT_EQ(fake.Sound.Events, falling);
}

TEST_F(Alerts, SoundFilesPlayAsynchronouslyAndMissingOnesAreSilent) {
  TFormQuonthary& ind = Ind();
  ind.Cfg.SoundOption3 = 1;
  ind.Cfg.SoundVolume = SoundFile("TestVolumeClick.wav");
  ind.PlayVolumeUpAlert();
  ind.PlayVolumeDownAlert();
  const std::string played = dir.Dir() + "Sound\\TestVolumeClick.wav";
  EXPECT_EQ(fake.Sound.Events, (std::vector<SoundEvent>{SoundEvent::File(played, 0x22013),
                                                        SoundEvent::File(played, 0x22013)}));
  fake.Sound.Events.clear();
  ind.Cfg.SoundOption1 = 1;
  ind.Cfg.SoundPlugOutSound = "Sound\\Missing.wav";
  ind.PlayPlugOutAlert();  // no fallback to the tones
  ind.Cfg.SoundOption2 = 0;
  ind.PlayPlugInAlert();
  ind.Cfg.SoundOption4 = 7;  // an unknown option is silent too
  ind.PlayConnectionLostAlert();
  EXPECT_TRUE(fake.Sound.Events.empty());
}

TEST_F(Alerts, ChargeAlertsHaveSoundsOfTheirOwn) {
  TFormQuonthary& ind = Ind();
  ind.Cfg.SoundOption5 = 1;
  ind.Cfg.SoundLowCharge = SoundFile("TestLow.wav");
  ind.Cfg.SoundOption6 = 2;
  ind.PlayLowChargeAlert();
  ind.PlayUnplugAlert();
  using E = SoundEvent;
  EXPECT_EQ(fake.Sound.Events,
            (std::vector<E>{E::File(dir.Dir() + "Sound\\TestLow.wav"), E::Tone(1400, 80),
                            E::Silence(60), E::Tone(1400, 80)}));
}

// The crossings, reading by reading: which alert each reading fires.
TEST(ChargeAlerts, OncePerCrossingWithHysteresisBothWays) {
  using indicator::ChargeAlert;
  constexpr auto None = ChargeAlert::None, Low = ChargeAlert::LowCharge,
                 Unplug = ChargeAlert::Unplug;
  struct Reading {
    bool Mains, Charging;
    int Percent;
    ChargeAlert Fires;
    const char* Why;
  };
  const indicator::ChargeAlertSettings both{true, 10, true, 80};
  indicator::ChargeAlerts alerts;
  for (const Reading& r : std::initializer_list<Reading>{
           {false, false, 12, None, "above the threshold"},
           {false, false, 10, Low, "falls to it on battery"},
           {false, false, 9, None, "once per crossing"},
           {true, true, 11, None, "back up by 1 %: not past the hysteresis"},
           {false, false, 10, None, "so no second warning"},
           {true, true, 12, None, "2 % above: armed again"},
           {false, false, 10, Low, "the next crossing warns"},
           {true, true, 5, None, "on mains nothing warns of a low charge"},
           {true, true, 79, None, "charging below the reminder"},
           {true, false, 80, None, "on mains but not charging"},
           {true, true, 81, Unplug, "rises to it while charging"},
           {true, true, 85, None, "once"},
           {false, false, 79, None, "unplugged, 1 % down"},
           {true, true, 80, None, "within the hysteresis"},
           {false, false, 78, None, "2 % below: armed again"},
           {true, true, 80, Unplug, "the next charge reminds"},
           {false, false, -1, None, "a charge not known changes nothing"},
       })
    EXPECT_EQ(alerts.Update(both, r.Mains, r.Charging, r.Percent), r.Fires) << r.Why;

  // A start in the middle: the first reading past a threshold tells at once; an alert that
  // is off tells nothing.
  indicator::ChargeAlerts restarted;
  EXPECT_EQ(restarted.Update({false, 10, true, 80}, false, false, 7), None);
  EXPECT_EQ(restarted.Update({true, 10, true, 80}, false, false, 7), Low);
  EXPECT_EQ(indicator::ChargeAlerts().Update(both, true, true, 95), Unplug);
}
