#include "settings/SettingsTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "settings/IntegerText.h"
#include "system/Error.h"

namespace settings {

namespace {

constexpr sys::RootKey kRoot = sys::RootKey::CurrentUser;
using S = Settings;

Setting Bool(const char* name, bool S::*field, std::int32_t def, const char* path = kBaseKey) {
  Setting s{name, path, Encoding::Bool, def};
  s.Flag = field;
  return s;
}
Setting Int(const char* name, int S::*field, std::int32_t def) {
  Setting s{name, kBaseKey, Encoding::Int, def};
  s.Number = field;
  return s;
}
Setting Colour(const char* name, int S::*field, std::int32_t def) {
  Setting s{name, kColorsKey, Encoding::Colour, def};
  s.Number = field;
  return s;
}
Setting Text(const char* name, std::string S::*field, const char* def = "") {
  Setting s{name, kBaseKey, Encoding::Text};
  s.DefaultText = def;
  s.Text = field;
  return s;
}
Setting Special(const char* name, Encoding enc, const char* path = kBaseKey, std::int32_t def = 0) {
  return Setting{name, path, enc, def};
}

constexpr std::int32_t kWhite = 16777215;
constexpr std::int32_t kYellow = 65535;

std::vector<Setting> MakeTable() {
  Setting batteryHeight{"BatteryHeight", kBaseKey, Encoding::Step, 5};
  batteryHeight.Scale = &S::BatteryScale;
  Setting previousVersion{"PreviousVersion", kBaseKey, Encoding::Version};
  previousVersion.Text = &S::PreviousVersion;

  return {
      Text("LanguageFile", &S::LanguageFile),
      Special("Left", Encoding::WindowLeft, kBaseKey, -999),
      Special("Top", Encoding::WindowTop, kBaseKey, -999),
      Bool("Percentage", &S::Percentage, 1),
      Int("UserDefBattFullTime", &S::UserDefBattFullTime, 0),
      Bool("UseLifeTimeDefault", &S::UseLifeTimeDefault, 1),
      Bool("ShowInfoText", &S::ShowInfoText, 0),
      Bool("ShowTimeInfo", &S::ShowTimeInfo, 1),
      Bool("ShowTimeOnBattery", &S::ShowTimeOnBattery, 0),
      batteryHeight,
      Bool("RunAtStartup", &S::RunAtStartup, 1),
      Colour("WhenCharging", &S::WhenCharging, kWhite),
      Colour("WhenDischarging", &S::WhenDischarging, kWhite),
      Colour("VolumeChanging", &S::VolumeChanging, kYellow),
      Colour("WhenChatging", &S::WhenChatging, kWhite),  // the monitor information's colour
      Bool("StayOnTop", &S::StayOnTop, 1),
      Bool("LogWorkTime", &S::LogWorkTime, 1),
      Int("Alpha", &S::Alpha, 255),
      Int("PositionFromTray", &S::PositionFromTray, 20),
      Bool("HideWindowWhenFull", &S::HideWindowWhenFull, 0),
      Bool("ShowWhenVolChanging", &S::ShowWhenVolChanging, 1),
      Bool("ShowChargArrow", &S::ShowChargArrow, 1),
      Bool("ShowDischargArrow", &S::ShowDischargArrow, 1),
      Bool("UseExtarnalImages", &S::UseExtarnalImages, 0),
      Text("ExtarnalImagesDirectory", &S::ExtarnalImagesDirectory),
      Bool("HotKeyWindowToFront", &S::HotKeyWindowToFront, 0),
      Bool("HotKeyMonOff", &S::HotKeyMonOff, 0),
      Bool("HotKeyMonOn", &S::HotKeyMonOn, 0),
      Bool("HotKeyVolume", &S::HotKeyVolume, 0),
      Bool("HotKeyMute", &S::HotKeyMute, 0),
      Bool("HotKeyIPChanger", &S::HotKeyIPChanger, 0),
      Bool("HotKeyProxyChanger", &S::HotKeyProxyChanger, 0),
      Bool("HotKeyMacChanger", &S::HotKeyMacChanger, 0),
      Bool("ShowACPlugIcon", &S::ShowACPlugIcon, 0),
      // Sounds: 0 none, 1 sound file, 2 built-in beep.
      Int("SoundOption1", &S::SoundOption1, 2),
      Int("SoundOption2", &S::SoundOption2, 2),
      Int("SoundOption3", &S::SoundOption3, 0),
      Int("SoundOption4", &S::SoundOption4, 1),
      Text("SoundPlugOutSound", &S::SoundPlugOutSound, "Sound\\BatterySource.wav"),
      Text("SoundPlugInSound", &S::SoundPlugInSound, "Sound\\ACPowerSource.wav"),
      Text("SoundVolume", &S::SoundVolume, "Sound\\VolumeChange.wav"),
      Text("SoundNoConn", &S::SoundNoConn, "Sound\\NoConnection.wav"),
      Bool("ShowMenuChange", &S::ShowMenuChange, 0),
      Bool("ShowMenuWindow", &S::ShowMenuWindow, 1),
      Bool("AboutShowAtStartup", &S::AboutShowAtStartup, 0),
      Bool("AboutInternational", &S::AboutInternational, 0),
      previousVersion,
      Bool("ConnectionCheck", &S::ConnectionCheck, 0),
      Text("ConnectionIP", &S::ConnectionIP, kDefaultConnectionIP),
      // Charge alerts, off until chosen; their sounds as the four above.
      Bool("AlertLowCharge", &S::AlertLowCharge, 0),
      Int("AlertLowChargeAt", &S::AlertLowChargeAt, 10),
      Bool("AlertUnplug", &S::AlertUnplug, 0),
      Int("AlertUnplugAt", &S::AlertUnplugAt, 80),
      Int("SoundOption5", &S::SoundOption5, 2),
      Int("SoundOption6", &S::SoundOption6, 2),
      Text("SoundLowCharge", &S::SoundLowCharge, "Sound\\LowCharge.wav"),
      Text("SoundUnplug", &S::SoundUnplug, "Sound\\Unplug.wav"),
      Special("(profile data)", Encoding::ProfileData),
      Bool("ShowInTaskBar", &S::ShowInTaskBar, 1),
      Bool("AutoHeightOnTaskBar", &S::AutoHeightOnTaskBar, 0),
      Special("Checked", Encoding::AppliedMarks, "\\Software\\Quonthary\\IPChanger_Connections"),
  };
}

// The load reads the same values grouped by what they drive: the position first (it is
// applied at once), the display, the size, the colours, the options, the sounds, the menus
// and the connection check, the profiles, the display mode, and the marks last.
// clang-format off
const char* const kLoadOrder[] = {
    "Left", "Top",
    "Percentage", "UserDefBattFullTime", "UseLifeTimeDefault", "LanguageFile",
    "BatteryHeight",
    "WhenCharging", "WhenDischarging", "VolumeChanging", "WhenChatging",
    "ShowInfoText", "ShowTimeInfo", "ShowTimeOnBattery", "RunAtStartup", "HideWindowWhenFull",
    "ShowWhenVolChanging", "StayOnTop", "LogWorkTime", "Alpha", "PositionFromTray",
    "ShowChargArrow", "ShowDischargArrow", "UseExtarnalImages", "ExtarnalImagesDirectory",
    "HotKeyWindowToFront", "HotKeyMonOff", "HotKeyMonOn", "HotKeyVolume", "HotKeyMute",
    "HotKeyIPChanger", "HotKeyProxyChanger", "HotKeyMacChanger",
    "ShowACPlugIcon",
    "SoundOption1", "SoundOption2", "SoundOption3", "SoundOption4",
    "SoundPlugOutSound", "SoundPlugInSound", "SoundVolume", "SoundNoConn",
    "ShowMenuChange", "ShowMenuWindow", "AboutShowAtStartup", "AboutInternational",
    "PreviousVersion", "ConnectionCheck", "ConnectionIP",
    "AlertLowCharge", "AlertLowChargeAt", "AlertUnplug", "AlertUnplugAt",
    "SoundOption5", "SoundOption6", "SoundLowCharge", "SoundUnplug",
    "(profile data)",
    "ShowInTaskBar", "AutoHeightOnTaskBar",
    "Checked",
};
// clang-format on

std::vector<const Setting*> MakeLoadOrder() {
  std::vector<const Setting*> order;
  for (const char* name : kLoadOrder) {
    const Setting* row = FindSetting(name);
    if (!row || std::find(order.begin(), order.end(), row) != order.end())
      throw sys::Error(std::string("load order: unknown or repeated ") + name);
    order.push_back(row);
  }
  if (order.size() != SettingsTable().size()) throw sys::Error("load order: settings missing");
  return order;
}

}  // namespace

const std::vector<Setting>& SettingsTable() {
  static const std::vector<Setting> table = MakeTable();
  return table;
}

const std::vector<const Setting*>& LoadOrder() {
  static const std::vector<const Setting*> order = MakeLoadOrder();
  return order;
}

const Setting* FindSetting(const std::string& name) {
  for (const Setting& row : SettingsTable()) {
    if (name == row.Name) return &row;
  }
  return nullptr;
}

std::int32_t ReadNumber(const Setting& row, SettingsStore& store, bool useRegistry) {
  return IntOrDefault(store.ReadSettingString(kRoot, row.KeyPath, row.Name, useRegistry),
                      row.Default);
}

void WriteNumber(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
                 std::int32_t value) {
  store.WriteSettingString(kRoot, row.KeyPath, row.Name, std::to_string(value), useRegistry, batch);
}

void WriteText(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
               const std::string& value) {
  store.WriteSettingString(kRoot, row.KeyPath, row.Name, value, useRegistry, batch);
}

void LoadValue(const Setting& row, SettingsStore& store, bool useRegistry, Settings& cfg) {
  switch (row.Enc) {
    case Encoding::Bool:
      cfg.*row.Flag = ReadNumber(row, store, useRegistry) != 0;
      break;
    case Encoding::Int:
    case Encoding::Colour:
      cfg.*row.Number = ReadNumber(row, store, useRegistry);
      break;
    case Encoding::Step:
      cfg.*row.Scale = ScaleOfStep(ReadNumber(row, store, useRegistry));
      break;
    case Encoding::Text:
    case Encoding::Version: {
      std::string text = store.ReadSettingString(kRoot, row.KeyPath, row.Name, useRegistry);
      cfg.*row.Text = text.empty() ? std::string(row.DefaultText) : std::move(text);
      break;
    }
    case Encoding::WindowLeft:
    case Encoding::WindowTop:
    case Encoding::ProfileData:
    case Encoding::AppliedMarks:
      break;
  }
}

void SaveValue(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
               const Settings& cfg) {
  switch (row.Enc) {
    case Encoding::Bool:
      WriteText(row, store, useRegistry, batch, cfg.*row.Flag ? "1" : "0");
      break;
    case Encoding::Int:
    case Encoding::Colour:
      WriteNumber(row, store, useRegistry, batch, cfg.*row.Number);
      break;
    case Encoding::Step:
      WriteNumber(row, store, useRegistry, batch, StepOfScale(cfg.*row.Scale));
      break;
    case Encoding::Text:
    case Encoding::Version:
      WriteText(row, store, useRegistry, batch, cfg.*row.Text);
      break;
    case Encoding::WindowLeft:
    case Encoding::WindowTop:
    case Encoding::ProfileData:
    case Encoding::AppliedMarks:
      break;
  }
}

float ScaleOfStep(std::int32_t step) { return static_cast<float>(step * 0.1 + 0.05); }

std::int32_t StepOfScale(float scale) {
  // Rounded down, which for every step from 0 up is the same as truncating: a negative step
  // truncated came back one nearer to zero at every save. A stored step far outside the
  // slider's range must not overflow on its way back.
  double step = std::floor(static_cast<double>(scale) * 10.0);
  if (!(step >= std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  if (step > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(step);
}

}  // namespace settings
