// The battery tick: power-status queries, the time text, the skip counter, plug tracking and
// the failure path.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "tests/IndicatorFixture.h"

using namespace testing_support;
using sys::SoundEvent;

TEST(FormatDuration, HoursUnpaddedMinutesAndSecondsTwoDigits) {
  EXPECT_EQ(FormatDuration(3725), "1:02:05");
  EXPECT_EQ(FormatDuration(9), "0:00:09");
  EXPECT_EQ(FormatDuration(0), "0:00:00");
  EXPECT_EQ(FormatDuration(36000), "10:00:00");
  EXPECT_EQ(FormatDuration(1500000), "416:40:00");
}

TEST(PowerStatusQueries, ReadTheRecordAsTheSystemMeansIt) {
  sys::FakePowerSource source;
  sys::PowerStatus status(source);
  auto with = [&](std::uint8_t ac, std::uint8_t flag, std::uint8_t percent) {
    source.Status.ACLineStatus = ac;
    source.Status.BatteryFlag = flag;
    source.Status.BatteryLifePercent = percent;
    status.Refresh();
  };
  with(1, 128, 255);
  EXPECT_FALSE(status.IsBatteryPresent());
  EXPECT_EQ(status.Percent(), -1);
  with(255, 255, 50);  // status unknown counts as no battery, unknown line as not on mains
  EXPECT_FALSE(status.IsBatteryPresent());
  EXPECT_FALSE(status.IsOnMains());
  with(0, 2 | 4, 4);  // low and critical together read as low
  EXPECT_TRUE(status.IsBatteryPresent());
  EXPECT_EQ(status.Level(), 2);
  with(1, 4 | 8, 3);
  EXPECT_EQ(status.Level(), 3);
  EXPECT_TRUE(status.IsCharging());
  EXPECT_TRUE(status.IsOnMains());
  with(1, 0, 100);
  EXPECT_EQ(status.Level(), 255);

  source.Fail = true;  // a failing call leaves the previous record
  source.Status.BatteryLifePercent = 7;
  EXPECT_FALSE(status.Refresh());
  EXPECT_EQ(status.Percent(), 100);
}

class BatteryTick : public IndicatorFixture {
 protected:
  // Starts with the settings a user would have for these cases, whatever the store holds.
  TFormQuonthary& StartWith(const sys::SystemPowerStatus& power, bool logWorkTime = true) {
    fake.PowerSource.Status = power;
    TFormQuonthary& ind = Start();
    ind.Cfg.LogWorkTime = logWorkTime;
    ind.Cfg.Percentage = true;
    ind.Cfg.ShowTimeInfo = true;
    ind.Cfg.SoundOption1 = 2;
    ind.Cfg.SoundOption2 = 2;
    ind.Cfg.WhenCharging = ui::clWhite;
    ind.Cfg.WhenDischarging = ui::clYellow;
    fake.Sound.Events.clear();
    return ind;
  }
  std::filesystem::path LogDir() { return dir.Path() / "discharging_log"; }
  std::string ReadLog(const std::string& name) {
    std::ifstream in(LogDir() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string Shown(TFormQuonthary& ind) {
    return (ind.LabelState.Visible() ? ind.LabelState : ind.LabelTimeToEnd).Caption();
  }
  ui::TColor PickColour(TFormQuonthary& ind) {
    return (ind.LabelState.Visible() ? ind.LabelState : ind.LabelTimeToEnd).Font().Color;
  }
};

TEST_F(BatteryTick, TimeTextFollowsTheChosenUnits) {
  TFormQuonthary& ind = StartWith(OnBattery(50, 3725, 7450));
  auto text = [&] {
    ind.PowerStatus->Refresh();
    ind.UpdateTimeText();
    return ind.LabelTimeToEnd.Caption();
  };
  EXPECT_EQ(text(), "50%");
  EXPECT_EQ(ind.Hint(), "50%");

  ind.Cfg.Percentage = false;
  ind.Cfg.UseLifeTimeDefault = true;
  EXPECT_EQ(text(), "1:02:05");

  ind.Cfg.UseLifeTimeDefault = false;
  ind.Cfg.UserDefBattFullTime = 10800;
  EXPECT_EQ(text(), "1:30:00");  // 3725 of 7450 s left of a 3 h battery

  fake.PowerSource.Status = OnBattery(50);  // the system knows no full time
  EXPECT_EQ(text(), "1:30:00");

  fake.PowerSource.Status = OnMains(80);  // no estimate on mains
  ind.Cfg.UseLifeTimeDefault = true;
  EXPECT_EQ(text(), "80%");

  ind.OnBatteryOverride = "b00:00:07";
  EXPECT_EQ(text(), "b00:00:07");
}

TEST_F(BatteryTick, LongEstimatesDoNotWrap) {
  // 2 000 000 s left of 4 000 000, with a user time of 3 000 000 s: the product passes 2^31.
  TFormQuonthary& ind = StartWith(OnBattery(50, 2000000, 4000000));
  ind.Cfg.Percentage = false;
  ind.Cfg.UseLifeTimeDefault = false;
  ind.Cfg.UserDefBattFullTime = 3000000;
  ind.PowerStatus->Refresh();
  ind.UpdateTimeText();
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), FormatDuration(1500000));
}

TEST_F(BatteryTick, SkippedTicksCountButChangeNothing) {
  TFormQuonthary& ind = StartWith(OnMains(60, false), false);
  Tick();
  const std::string before = ind.LabelTimeToEnd.Caption();
  const int counter = ind.TickCounter;
  ind.DisplaySkipTicks = 4;
  fake.PowerSource.Status = OnMains(61, false);
  Tick(4);
  EXPECT_EQ(ind.TickCounter, counter + 4);
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), before);
  EXPECT_EQ(ind.DisplaySkipTicks, 0);
  Tick();
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), "61%");
}

TEST_F(BatteryTick, StartOnBatteryAnnouncesBeepsAndOpensALog) {
  TFormQuonthary& ind = StartWith(OnBattery(97));
  Tick();
  EXPECT_EQ(Shown(ind), "BATTERY");
  EXPECT_EQ(ind.DisplaySkipTicks, 1);
  EXPECT_EQ(ind.TickCounter, 0);
  EXPECT_EQ(fake.Sound.Events, std::vector<SoundEvent>{SoundEvent::Tone(2000, 500)});
  EXPECT_EQ(ind.LogFileName, "20080105_143012.txt");
  EXPECT_EQ(ReadLog(ind.LogFileName), "Perc[%]\tTime[s]\tTime\r\n097\t000000\t0:00:00\r\n");
  Tick();  // the message stays one more second
  EXPECT_EQ(Shown(ind), "BATTERY");
}

TEST_F(BatteryTick, MainsAllTheTimeMeansNoMessageAndNoLog) {
  TFormQuonthary& ind = StartWith(OnMains(100, false));
  Tick(30);
  EXPECT_NE(Shown(ind), "AC LINE");
  EXPECT_TRUE(fake.Sound.Events.empty());
  EXPECT_FALSE(std::filesystem::exists(LogDir()));
}

TEST_F(BatteryTick, NothingIsTrackedWithLoggingOff) {
  TFormQuonthary& ind = StartWith(OnMains(90), false);
  Tick();
  fake.PowerSource.Status = OnBattery(89);
  Tick();
  EXPECT_NE(Shown(ind), "BATTERY");
  EXPECT_TRUE(fake.Sound.Events.empty());
  EXPECT_FALSE(std::filesystem::exists(LogDir()));
}

TEST_F(BatteryTick, APeriodOnBatteryIsLoggedFromUnplugToPlugIn) {
  TFormQuonthary& ind = StartWith(OnMains(97));
  Tick();
  fake.PowerSource.Status = OnBattery(97);
  Tick();
  const std::string file = ind.LogFileName;
  Tick(3600);  // an hour at the same charge: no new lines
  EXPECT_EQ(ReadLog(file), "Perc[%]\tTime[s]\tTime\r\n097\t000000\t0:00:00\r\n");
  fake.PowerSource.Status = OnBattery(80);
  Tick(124);  // 3724 s after the unplug
  fake.PowerSource.Status = OnMains(80);
  fake.Sound.Events.clear();
  Tick();
  EXPECT_EQ(Shown(ind), "AC LINE");
  EXPECT_EQ(ReadLog(file),
            "Perc[%]\tTime[s]\tTime\r\n097\t000000\t0:00:00\r\n080\t003601\t1:00:01\r\n"
            "080\t003725\t1:02:05\r\n");
  EXPECT_EQ(fake.Sound.Events,
            (std::vector<SoundEvent>{SoundEvent::Tone(760, 60), SoundEvent::Silence(60),
                                     SoundEvent::Tone(900, 60), SoundEvent::Silence(60),
                                     SoundEvent::Tone(1200, 60), SoundEvent::Silence(60)}));
  EXPECT_TRUE(std::filesystem::exists(LogDir() / (file + ".bak")));

  // A second unplug starts a new file; the old one is not touched again.
  fake.Clock.Local.Hour = 16;
  fake.PowerSource.Status = OnBattery(79);
  Tick(3);
  EXPECT_EQ(ind.LogFileName, "20080105_163012.txt");
  EXPECT_EQ(ReadLog(ind.LogFileName), "Perc[%]\tTime[s]\tTime\r\n079\t000000\t0:00:00\r\n");
  EXPECT_NE(ReadLog(file).find("003725"), std::string::npos);
}

TEST_F(BatteryTick, UnknownChargeIsLoggedAsMinusOne) {
  TFormQuonthary& ind = StartWith(OnBattery(255));
  Tick();
  EXPECT_NE(ReadLog(ind.LogFileName).find("-001\t000000\t0:00:00"), std::string::npos);
}

TEST_F(BatteryTick, ALogThatCannotBeWrittenCostsOneBeepNotARepeat) {
  // A file where the log folder should be: the folder cannot be created.
  std::ofstream(dir.Path() / "discharging_log") << "in the way";
  TFormQuonthary& ind = StartWith(OnBattery(50));
  Tick();
  EXPECT_EQ(fake.Sound.Events,
            (std::vector<SoundEvent>{SoundEvent::Tone(2000, 500), SoundEvent::SystemBeep(0)}));
  fake.Sound.Events.clear();
  Tick(5);  // the unplug is not announced again every second
  EXPECT_TRUE(fake.Sound.Events.empty());
  EXPECT_TRUE(ind.LastOnBattery);
}

TEST_F(BatteryTick, LinesSurviveAWriteThatFailedHalfWay) {
  // What a failed write leaves: the file moved to its backup, no new file.
  std::filesystem::create_directories(LogDir());
  std::ofstream(LogDir() / "20080105_143012.txt.bak", std::ios::binary)
      << "Perc[%]\tTime[s]\tTime\r\n090\t000000\t0:00:00\r\n";
  TFormQuonthary& ind = StartWith(OnMains(90));
  ind.AppendLogLine("20080105_143012.txt", 60, 89);
  EXPECT_EQ(ReadLog("20080105_143012.txt"),
            "Perc[%]\tTime[s]\tTime\r\n090\t000000\t0:00:00\r\n089\t000060\t0:01:00\r\n");
}

TEST_F(BatteryTick, WithoutABatteryBothLabelsSaySo) {
  TFormQuonthary& ind = StartWith(NoBattery());
  ind.Cfg.ShowInfoText = true;
  Tick();
  EXPECT_EQ(ind.LabelState.Caption(), "No Batt.");
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), "No Batt.");
  EXPECT_EQ(ind.ImageBatt.Hint(), "No Battery");
  EXPECT_FALSE(ind.ImageCharging.Visible());
  EXPECT_FALSE(ind.ImageDischarging.Visible());
  EXPECT_FALSE(ind.ImageStatusCri.Visible());
  EXPECT_FALSE(ind.ImageStatusLow.Visible());
  EXPECT_EQ(ind.ImagePrGreen.Width(), 0);
}

TEST_F(BatteryTick, LabelsTakeTheColourOfThePowerSource) {
  TFormQuonthary& ind = StartWith(OnMains(70));
  Tick();
  EXPECT_EQ(ind.LabelTimeToEnd.Font().Color, ui::clWhite);
  ind.Cfg.LogWorkTime = false;
  fake.PowerSource.Status = OnBattery(70);
  Tick();
  EXPECT_EQ(ind.LabelTimeToEnd.Font().Color, ui::clYellow);
}

TEST_F(BatteryTick, ChargeAlertsShowTheirWordOnceAfterAPlugMessage) {
  TFormQuonthary& ind = StartWith(OnBattery(10));
  ind.Cfg.AlertLowCharge = ind.Cfg.AlertUnplug = true;
  ind.Cfg.SoundOption5 = ind.Cfg.SoundOption6 = 0;
  Tick();  // the unplug's message keeps its two seconds; the alert follows
  EXPECT_EQ(Shown(ind), "BATTERY");
  Tick();
  EXPECT_EQ(Shown(ind), "BATTERY");
  Tick();
  EXPECT_EQ(Shown(ind), "LOW");
  EXPECT_EQ(PickColour(ind), ui::clYellow);
  ind.Cfg.SoundOption5 = 2;
  fake.PowerSource.Status = OnBattery(9);
  Tick(5);
  EXPECT_NE(Shown(ind), "LOW");
  EXPECT_EQ(fake.Sound.Events, std::vector<SoundEvent>{SoundEvent::Tone(2000, 500)});

  fake.PowerSource.Status = OnMains(80);
  Tick(3);
  EXPECT_EQ(Shown(ind), "UNPLUG");
  EXPECT_EQ(PickColour(ind), ui::clWhite);
}
