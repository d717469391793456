// Every setting the indicator keeps in memory. Fields start at their zero values, as the
// indicator's fields do before the settings are loaded; the loaded defaults live with the
// key table.
#pragma once
#include <string>

#include "ui/Types.h"

namespace settings {

struct Settings {
  std::string LanguageFile;
  bool Percentage = false;
  int UserDefBattFullTime = 0;
  bool UseLifeTimeDefault = false;
  bool ShowInfoText = false;
  bool ShowTimeInfo = false;
  bool ShowTimeOnBattery = false;
  // "BatteryHeight" step × 0.1 + 0.05, single precision as the window scale is kept.
  float BatteryScale = 0.0f;
  bool RunAtStartup = false;
  ui::TColor WhenCharging = 0;
  ui::TColor WhenDischarging = 0;
  ui::TColor VolumeChanging = 0;
  ui::TColor WhenChatging = 0;  // the monitor-information colour, under this stored name
  bool StayOnTop = false;
  bool LogWorkTime = false;
  int Alpha = 0;
  int PositionFromTray = 0;
  bool HideWindowWhenFull = false;
  bool ShowWhenVolChanging = false;
  bool ShowChargArrow = false;
  bool ShowDischargArrow = false;
  bool UseExtarnalImages = false;
  std::string ExtarnalImagesDirectory;
  bool HotKeyWindowToFront = false;
  bool HotKeyMonOff = false;
  bool HotKeyMonOn = false;
  bool HotKeyVolume = false;
  bool HotKeyMute = false;
  bool HotKeyIPChanger = false;
  bool HotKeyProxyChanger = false;
  bool HotKeyMacChanger = false;
  bool ShowACPlugIcon = false;
  int SoundOption1 = 0;
  int SoundOption2 = 0;
  int SoundOption3 = 0;
  int SoundOption4 = 0;
  std::string SoundPlugOutSound;
  std::string SoundPlugInSound;
  std::string SoundVolume;
  std::string SoundNoConn;
  bool ShowMenuChange = false;
  bool ShowMenuWindow = false;
  bool AboutShowAtStartup = false;
  bool AboutInternational = false;
  std::string PreviousVersion;
  bool ConnectionCheck = false;
  std::string ConnectionIP;
  // Charge alerts: a warning when the charge falls to a threshold on battery, a reminder to
  // unplug when it rises to one while charging; each with its sound (codes as above).
  bool AlertLowCharge = false;
  int AlertLowChargeAt = 0;
  bool AlertUnplug = false;
  int AlertUnplugAt = 0;
  int SoundOption5 = 0;
  int SoundOption6 = 0;
  std::string SoundLowCharge;
  std::string SoundUnplug;
  bool ShowInTaskBar = false;
  bool AutoHeightOnTaskBar = false;

  // The two modes kept as negations, as the settings dialog shows them.
  bool TimeMode() const { return !Percentage; }
  bool UserDefinedTime() const { return !UseLifeTimeDefault; }
};

}  // namespace settings
