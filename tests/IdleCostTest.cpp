// What a battery tick costs when nothing visible changes: no window is told anything and
// nothing is repainted. A gauge that repaints every second wastes the battery it measures.
#include <gtest/gtest.h>

#include "tests/IndicatorDefaults.h"
#include "tests/IndicatorFixture.h"

namespace {

using namespace testing_support;

class IdleCost : public IndicatorFixture {
 protected:
  TFormQuonthary& StartWith(const sys::SystemPowerStatus& power, bool taskbar) {
    if (taskbar) fake.Desktop.AddTaskbar();
    Store("ShowInTaskBar", taskbar ? "1" : "0");
    fake.PowerSource.Status = power;
    TFormQuonthary& f = Start();
    UseFirstRunSettings(f);
    return f;
  }
  // The traffic of ticks after the state has settled.
  std::vector<std::string> QuietTicks(int ticks) {
    Tick(5);
    ui_->ResetTraffic();
    Tick(ticks);
    return ui_->Traffic().Log;
  }
};

TEST_F(IdleCost, FullOnMainsInAFreeWindow) {
  TFormQuonthary& f = StartWith(OnMains(100, false), false);
  f.Cfg.ShowInfoText = true;  // "FULL" stays on the gauge
  EXPECT_EQ(QuietTicks(30), std::vector<std::string>{});
  EXPECT_EQ(ui_->Traffic().Repaints, 0);
  EXPECT_EQ(f.LabelState.Caption(), "FULL");
}

TEST_F(IdleCost, DockedInTheTaskbarWithAutoHeight) {
  TFormQuonthary& f = StartWith(OnMains(80, false), true);
  f.Cfg.AutoHeightOnTaskBar = true;
  // Docking runs on every tick; a place and size that stay the same are not set again.
  EXPECT_EQ(QuietTicks(30), std::vector<std::string>{});
}

TEST_F(IdleCost, OnBatteryWithTheSameChargeAndTheArrowsSwitchedOff) {
  TFormQuonthary& f = StartWith(OnBattery(64, 5000, 9000), false);
  f.Cfg.ShowDischargArrow = false;
  f.ApplyCurrentScale();
  f.Cfg.Percentage = false;  // the system's estimate, the same every second here
  EXPECT_EQ(QuietTicks(30), std::vector<std::string>{});
}

TEST_F(IdleCost, WhatChangesIsToldAndNothingElse) {
  TFormQuonthary& f = StartWith(OnBattery(64), false);
  QuietTicks(1);
  // The discharging arrow creeps one pixel a second: one change, no repaint of the rest.
  ui_->ResetTraffic();
  Tick();
  EXPECT_EQ(ui_->Traffic().Log, std::vector<std::string>{"ImageDischarging Bounds"});
  // A new percentage: its text (and the tooltips that carry it), and the bar.
  f.Cfg.ShowDischargArrow = false;
  f.ApplyCurrentScale();
  Tick();
  fake.PowerSource.Status = OnBattery(50);
  ui_->ResetTraffic();
  Tick();
  const auto& log = ui_->Traffic().Log;
  EXPECT_NE(std::find(log.begin(), log.end(), "LabelTimeToEnd Text"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "ImagePrGreen Bounds"), log.end());
  EXPECT_EQ(std::find(log.begin(), log.end(), "LabelState repaint"), log.end());
}

}  // namespace
