// The gauge on a whole start: charge bar, state texts, the time on battery, the arrows, the
// volume display with its pop-up timer, and skins.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "indicator/VolumeText.h"
#include "system/Locale.h"
#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"

namespace {

using testing_support::IndicatorFixture;
using testing_support::OnBattery;
using testing_support::OnMains;
using testing_support::UseFirstRunSettings;

class Gauge : public IndicatorFixture {
 protected:
  TFormQuonthary& StartWithDefaults() {
    Start();
    UseFirstRunSettings(Ind());
    return Ind();
  }
  void Power(const sys::SystemPowerStatus& status) { fake.PowerSource.Status = status; }
};

TEST_F(Gauge, BarWidthFollowsTheChargeAndTheStateTextItsLimits) {
  TFormQuonthary& f = StartWithDefaults();
  f.Cfg.ShowInfoText = true;
  struct Case {
    sys::SystemPowerStatus Status;
    int Bar;
    const char* State;
  };
  const Case cases[] = {
      {OnMains(100, false), 42, "FULL"}, {OnBattery(42), 17, ""},    {OnBattery(0), 0, "EMPTY !"},
      {OnBattery(3), 1, "EMPTY"},        {OnBattery(5), 2, "EMPTY"}, {OnBattery(6), 2, ""},
      {OnBattery(255), 0, "EMPTY"},  // unknown: -1 counts as nearly empty
  };
  for (const Case& c : cases) {
    Power(c.Status);
    Tick();
    SCOPED_TRACE(int(c.Status.BatteryLifePercent));
    EXPECT_EQ(f.ImagePrGreen.Width(), c.Bar);
    EXPECT_TRUE(f.LabelState.Visible());
    EXPECT_EQ(f.LabelState.Caption(), c.State);
  }
  // The state text is the user's choice.
  f.Cfg.ShowInfoText = false;
  Tick();
  EXPECT_FALSE(f.LabelState.Visible());
}

TEST_F(Gauge, TextColourFollowsThePowerSource) {
  TFormQuonthary& f = StartWithDefaults();
  f.Cfg.WhenCharging = 0x00FF00;
  f.Cfg.WhenDischarging = 0x0000FF;
  Power(OnBattery(50, 3600));
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Font().Color, 0x0000FF);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "50%");
  Power(OnMains(60));
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Font().Color, 0x00FF00);
}

TEST_F(Gauge, TimeOnBatteryShowsThreeSecondsInTen) {
  Power(OnBattery(80));
  TFormQuonthary& f = StartWithDefaults();
  f.Cfg.ShowTimeOnBattery = true;
  f.Cfg.ShowInfoText = true;
  Tick(3720);
  EXPECT_EQ(f.OnBatterySeconds, 3720);
  int shown = 0;
  std::vector<std::string> texts;
  for (int i = 0; i < 10; ++i) {
    Tick();
    if (f.LabelTimeToEnd.Caption().rfind("b01:02:", 0) == 0) {
      ++shown;
      // Both labels carry it.
      EXPECT_EQ(f.LabelState.Caption(), f.LabelTimeToEnd.Caption());
      texts.push_back(f.LabelTimeToEnd.Caption());
    } else {
      EXPECT_EQ(f.LabelTimeToEnd.Caption(), "80%");
    }
  }
  EXPECT_EQ(shown, 3);
  EXPECT_EQ(texts, (std::vector<std::string>{"b01:02:08", "b01:02:09", "b01:02:10"}));

  // With the display's phase shifted, second 3725 itself shows as b01:02:05.
  Tick(4);  // 3734 seconds
  f.OnBatterySeconds = 3724;
  f.OnBatteryCountdown = 4;
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "b01:02:05");

  // Plugged in while it shows: the mains text comes back at once (also without plug
  // tracking), and the count starts again at the next unplugging.
  Power(OnMains(80));
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "80%");
  EXPECT_EQ(f.LabelState.Caption(), "");
  Power(OnBattery(80));
  Tick();
  EXPECT_EQ(f.OnBatterySeconds, 1);
}

TEST_F(Gauge, ArrowsCreepAndWrap) {
  Power(OnMains(50, true));
  TFormQuonthary& f = StartWithDefaults();
  std::vector<int> lefts;
  for (int i = 0; i < 10; ++i) {
    Tick();
    lefts.push_back(f.ImageCharging.Left());
  }
  EXPECT_TRUE(f.ImageCharging.Visible());
  EXPECT_FALSE(f.ImageDischarging.Visible());
  EXPECT_EQ(lefts, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 2, 3}));
  EXPECT_EQ(f.ImageCharging.Top(), f.ArrowTop);

  Power(OnBattery(50));
  lefts.clear();
  for (int i = 0; i < 10; ++i) {
    Tick();
    lefts.push_back(f.ImageDischarging.Left());
  }
  EXPECT_FALSE(f.ImageCharging.Visible());
  EXPECT_TRUE(f.ImageDischarging.Visible());
  EXPECT_EQ(lefts, (std::vector<int>{2, 10, 9, 8, 7, 6, 5, 4, 3, 2}));

  // Started on battery, the arrow creeps from the right end of its way.
  owner.reset();
  Power(OnBattery(50));
  TFormQuonthary& g = StartWithDefaults();
  lefts.clear();
  for (int i = 0; i < 3; ++i) {
    Tick();
    lefts.push_back(g.ImageDischarging.Left());
  }
  EXPECT_EQ(lefts, (std::vector<int>{9, 8, 7}));
  // Switched off, it is not moved; switched on again it shows where the animation is.
  g.Cfg.ShowDischargArrow = false;
  g.ApplyCurrentScale();
  Tick(2);
  EXPECT_EQ(g.ImageDischarging.Left(), 7);
  g.Cfg.ShowDischargArrow = true;
  g.ApplyCurrentScale();
  Tick();
  EXPECT_EQ(g.ImageDischarging.Left(), 4);
}

TEST_F(Gauge, AnArrowSwitchedOffLivesAboveItsPlace) {
  Power(OnBattery(50));
  TFormQuonthary& f = StartWithDefaults();
  // An arrow switched off lives 100 pixels above its place.
  f.Cfg.ShowDischargArrow = false;
  f.ApplyCurrentScale();
  EXPECT_EQ(f.ImageDischarging.Top(), f.ArrowTop - 100);
  EXPECT_EQ(f.ImageCharging.Top(), f.ArrowTop);
}

TEST(VolumeText, WholeFromTenAndOneDecimalBelow) {
  EXPECT_EQ(VolumeText(6554 / 65535.0 * 100, "."), "+10 %");
  EXPECT_EQ(VolumeText(6553 / 65535.0 * 100, "."), "+10.0 %");
  EXPECT_EQ(VolumeText(3276 / 65535.0 * 100, ","), "+5,0 %");
  EXPECT_EQ(VolumeText(7.5, "."), "+7.5 %");
  EXPECT_EQ(VolumeText(45.5, "."), "+46 %");
  EXPECT_EQ(VolumeText(100, "."), "+100 %");
  EXPECT_EQ(VolumeText(0, "."), "+0.0 %");
}

TEST_F(Gauge, VolumeTextGoesToTheTimeLabelAndHoldsTheDisplay) {
  TFormQuonthary& f = StartWithDefaults();
  Tick();
  const std::string sep = sys::DecimalSeparator();
  f.ShowVolume(6554, 65535, true);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+10 %");
  EXPECT_EQ(f.LabelTimeToEnd.Font().Color, 0x00FFFF);
  EXPECT_EQ(f.DisplaySkipTicks, 1);
  EXPECT_EQ(f.LastVolume, 6554);
  EXPECT_GE(ui_->RepaintCount(f.LabelTimeToEnd), 1);
  f.ShowVolume(6553, 65535, true);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+10" + sep + "0 %");
  f.ShowVolume(3276, 65535, true);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+5" + sep + "0 %");
  // The skipped tick leaves the text; the next one writes the time again.
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+5" + sep + "0 %");
  Tick();
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "100%");

  // With both labels hidden one is shown for the message.
  f.Cfg.ShowTimeInfo = false;
  Tick();
  ASSERT_FALSE(f.LabelTimeToEnd.Visible());
  f.ShowVolume(65535, 65535, true);
  EXPECT_TRUE(f.LabelTimeToEnd.Visible());
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+100 %");
}

TEST_F(Gauge, VolumeBarWidthOnlyWithAUsableVolumeControl) {
  fake.Mixer.FailOpen = true;
  TFormQuonthary& f = StartWithDefaults();
  const int designed = f.ImageVolume.Width();
  f.ShowVolume(32768, 65535, false);
  EXPECT_EQ(f.ImageVolume.Width(), designed);
  EXPECT_EQ(f.DisplaySkipTicks, 0);  // quiet: nothing but the bar

  f.Volume.VolumeMixer.Usable = true;
  f.ShowVolume(6554, 65535, false);
  EXPECT_EQ(f.ImageVolume.Width(), 6);  // 4.2 + 2
  EXPECT_EQ(f.ImageVolumeMute.Width(), 6);
  f.ShowVolume(65535, 65535, false);
  EXPECT_EQ(f.ImageVolume.Width(), 44);
  f.ShowVolume(0, 65535, false);
  EXPECT_EQ(f.ImageVolume.Width(), 0);
  EXPECT_FALSE(f.ImageVolume.Visible());
  // A control without bounds does not divide by zero.
  f.ShowVolume(5, 0, true);
  EXPECT_EQ(f.ImageVolume.Width(), 0);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "+0" + sys::DecimalSeparator() + "0 %");
}

TEST_F(Gauge, VolumeBarPopsUpForTwoSecondsAfterTheLastChange) {
  TFormQuonthary& f = StartWithDefaults();
  ASSERT_EQ(f.ImageVolumeMute.Left(), f.ImageVolume.Left());
  ASSERT_EQ(f.ImageVolumeMute.Top(), f.ImageVolume.Top());
  f.ShowVolume(30000, 65535, true);
  EXPECT_TRUE(f.ImageVolume.Visible());
  EXPECT_FALSE(f.ImageVolumeMute.Visible());
  ASSERT_TRUE(f.VolumePopupTimer);
  EXPECT_EQ(f.VolumePopupTimer->Interval(), 2000u);

  ui_->AdvanceTime(1500);
  f.ShowVolume(31000, 65535, true);  // restarts the two seconds
  ui_->AdvanceTime(1900);
  EXPECT_TRUE(f.ImageVolume.Visible());
  ASSERT_TRUE(f.VolumePopupTimer);
  ui_->AdvanceTime(100);
  EXPECT_FALSE(f.ImageVolume.Visible());
  EXPECT_FALSE(f.ImageVolumeMute.Visible());
  EXPECT_FALSE(f.VolumePopupTimer);  // it exists only while the bar is shown
  EXPECT_EQ(f.FindComponent("VolumePopupTimer"), nullptr);
}

TEST_F(Gauge, MuteShowsTheMutedBarReadFromTheMuteControl) {
  fake.Mixer.AddSpeakerControls(30000, true);
  TFormQuonthary& f = StartWithDefaults();
  ASSERT_TRUE(f.Volume.MuteMixer.HasControl);

  f.ShowMute(true, true);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "Mute");
  EXPECT_EQ(f.LabelTimeToEnd.Font().Color, 0x00FFFF);
  EXPECT_EQ(f.DisplaySkipTicks, 1);
  EXPECT_EQ(f.LastMute, 1);
  EXPECT_TRUE(f.ImageVolumeMute.Visible());
  EXPECT_FALSE(f.ImageVolume.Visible());
  ui_->AdvanceTime(2000);
  EXPECT_FALSE(f.ImageVolumeMute.Visible());

  // The same state again says so but does not pop the bar up.
  f.ShowMute(true, true);
  EXPECT_FALSE(f.VolumePopupTimer);
  EXPECT_FALSE(f.ImageVolumeMute.Visible());

  fake.Mixer.FindById(2)->Value = 0;
  f.ShowMute(false, true);
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), "Unmute");
  EXPECT_TRUE(f.ImageVolume.Visible());
  EXPECT_FALSE(f.ImageVolumeMute.Visible());

  // A mixer notification changes nothing that shows.
  ui_->AdvanceTime(2000);
  const std::string caption = f.LabelTimeToEnd.Caption();
  f.ShowMute(true, false);
  EXPECT_FALSE(f.ImageVolumeMute.Visible());
  EXPECT_EQ(f.LabelTimeToEnd.Caption(), caption);

  // Without a readable mute control the bar counts as not muted.
  fake.Mixer.FailGet = true;
  f.ShowVolume(100, 65535, true);
  EXPECT_TRUE(f.ImageVolume.Visible());
}

std::array<ui::TColor, 4> Colours(const TFormQuonthary& f) {
  return {f.Cfg.WhenCharging, f.Cfg.WhenDischarging, f.Cfg.VolumeChanging, f.Cfg.WhenChatging};
}

// A 24-bit BMP of one colour.
std::string SolidBmp(int w, int h, std::uint32_t rgb) {
  std::string bmp = {'B', 'M'};
  auto le = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) bmp += char((v >> (8 * i)) & 0xFF);
  };
  const int stride = (w * 3 + 3) / 4 * 4;
  le(54 + stride * h, 4), le(0, 4), le(54, 4);
  le(40, 4), le(w, 4), le(h, 4), le(1, 2), le(24, 2), le(0, 4), le(stride * h, 4), le(0, 4),
      le(0, 4), le(0, 4), le(0, 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) le(rgb, 3);
    bmp.append(std::size_t(stride - w * 3), '\0');
  }
  return bmp;
}

class Skin : public Gauge {
 protected:
  std::filesystem::path Folder(const std::string& name) {
    auto path = dir.Path() / "Skin" / name;
    std::filesystem::create_directories(path);
    return path;
  }
  static void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
};

TEST_F(Skin, OnlyThePicturesInTheFolderAreReplaced) {
  TFormQuonthary& f = StartWithDefaults();
  auto folder = Folder("Tall");
  Write(folder / "battery.bmp", SolidBmp(53, 40, 0x123456));
  Write(folder / "charged.bmp", "this is no bitmap");
  std::vector<ui::PictureRef> before;
  for (ui::TImage* image :
       {&f.ImagePrGreen, &f.ImagePrRed, &f.ImageACPlug, &f.ImageCharging, &f.ImageDischarging,
        &f.ImageNoInternet, &f.ImageVolume, &f.ImageVolumeMute})
    before.push_back(image->Picture());
  const auto colours = Colours(f);

  f.Cfg.ExtarnalImagesDirectory = "Tall";
  f.LoadSkin();
  ASSERT_TRUE(f.ImageBatt.Picture());
  EXPECT_EQ(f.ImageBatt.PictureHeight(), 40);
  EXPECT_EQ(f.ImageBatt.Picture()->Pixel(0, 0), 0x123456u);
  std::vector<ui::PictureRef> after;
  for (ui::TImage* image :
       {&f.ImagePrGreen, &f.ImagePrRed, &f.ImageACPlug, &f.ImageCharging, &f.ImageDischarging,
        &f.ImageNoInternet, &f.ImageVolume, &f.ImageVolumeMute})
    after.push_back(image->Picture());
  EXPECT_EQ(after, before);  // the unreadable "charged.bmp" too
  // No "colors.ini": the colours stay.
  EXPECT_EQ(Colours(f), colours);

  // The skin's outline is the new reference height of the scale.
  f.ApplyScale(0.55f);
  EXPECT_EQ(f.Height(), 22);
}

TEST_F(Skin, ThePlugArrowsAndConnectionMarkTakeTheirPicturesSize) {
  TFormQuonthary& f = StartWithDefaults();
  auto folder = Folder("Big");
  Write(folder / "ac_plug.bmp", SolidBmp(16, 20, 0x111111));
  Write(folder / "arrow_charging.bmp", SolidBmp(12, 6, 0x222222));
  Write(folder / "arrow_discharging.bmp", SolidBmp(5, 4, 0x333333));
  Write(folder / "connection_error.bmp", SolidBmp(10, 11, 0x444444));
  const int markRight = f.ImageNoInternet.Left() + f.ImageNoInternet.Width();
  const int markTop = f.ImageNoInternet.Top();
  const int outline = f.ImageBatt.Height();
  f.Cfg.ExtarnalImagesDirectory = "Big";
  f.LoadSkin();
  f.ApplyCurrentScale();
  EXPECT_EQ(f.ImageACPlug.Width(), 16);
  EXPECT_EQ(f.ImageACPlug.Height(), 20);
  EXPECT_EQ(f.ImageCharging.Width(), 12);
  EXPECT_EQ(f.ImageCharging.Height(), 6);
  EXPECT_EQ(f.ImageDischarging.Width(), 5);
  EXPECT_EQ(f.ImageDischarging.Height(), 4);
  EXPECT_EQ(f.ImageNoInternet.Width(), 10);
  EXPECT_EQ(f.ImageNoInternet.Height(), 11);
  // The connection mark stays in the top right corner.
  EXPECT_EQ(f.ImageNoInternet.Left() + f.ImageNoInternet.Width(), markRight);
  EXPECT_EQ(f.ImageNoInternet.Top(), markTop);
  // The layout follows the new heights: the arrows centred on the outline, the plug at the
  // bottom.
  EXPECT_EQ(f.Height(), outline);
  EXPECT_EQ(f.ArrowTop, static_cast<int>(outline * 0.5 - 6 * 0.5 + f.ImageBatt.Top()));
  EXPECT_EQ(f.ImageCharging.Top(), f.ArrowTop);
  EXPECT_EQ(f.ImageACPlug.Top(), f.Height() - 20 + 1);
  // The outline, the bars and the volume bars keep their places and stretch.
  EXPECT_EQ(f.ImageBatt.Width(), 53);
}

TEST_F(Skin, ColoursFileReplacesOnlyWhatItHolds) {
  TFormQuonthary& f = StartWithDefaults();
  auto folder = Folder("Plain");
  Write(folder / "colors.ini", "[other]\r\nWhenCharging=255\r\n");
  f.Cfg.ExtarnalImagesDirectory = "Plain";
  f.LoadSkin();
  EXPECT_EQ(f.Cfg.WhenCharging, 0xFFFFFF);
  EXPECT_EQ(f.Cfg.VolumeChanging, 0x00FFFF);

  Write(folder / "colors.ini",
        "[label_colors]\nWhenCharging=255\nwhendischarging=$FF00\nWhenVolumeChanging=blue\n"
        "WhenMonitorOffInfo=16711680\n");
  f.LoadSkin();
  EXPECT_EQ(f.Cfg.WhenCharging, 255);
  EXPECT_EQ(f.Cfg.WhenDischarging, 0xFF00);
  EXPECT_EQ(f.Cfg.VolumeChanging, 0x00FFFF);  // not a number: what was loaded stays
  EXPECT_EQ(f.Cfg.WhenChatging, 0xFF0000);
  // Every built-in picture stays.
  EXPECT_EQ(f.ImageBatt.PictureHeight(), 27);
}

}  // namespace
