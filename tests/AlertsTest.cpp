// The four alerts: default patterns, sound files, silence.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
