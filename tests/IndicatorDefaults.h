// The settings a first run loads (an empty store), put into a started indicator by hand, so
// that the gauge and placement tests do not depend on the settings loader.
#pragma once
#include "app/FormQuonthary.h"

namespace testing_support {

inline void UseFirstRunSettings(TFormQuonthary& f) {
  settings::Settings& c = f.Cfg;
  c.Percentage = true;
  c.UseLifeTimeDefault = true;
  c.ShowInfoText = false;
  c.ShowTimeInfo = true;
  c.ShowTimeOnBattery = false;
  c.BatteryScale = 5 * 0.1f + 0.05f;
  c.WhenCharging = 0xFFFFFF;
  c.WhenDischarging = 0xFFFFFF;
  c.VolumeChanging = 0x00FFFF;
  c.WhenChatging = 0xFFFFFF;
  c.StayOnTop = true;
  c.LogWorkTime = false;  // no plug messages: they would hold the display for a tick
  c.Alpha = 255;
  c.PositionFromTray = 20;
  c.HideWindowWhenFull = false;
  c.ShowChargArrow = true;
  c.ShowDischargArrow = true;
  c.ShowACPlugIcon = false;
  c.AutoHeightOnTaskBar = false;
  f.ApplyWindowOptions(c.StayOnTop);
}

}  // namespace testing_support
