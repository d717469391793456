// The persisted settings set: one row per stored value, in the order a save writes them (so
// also the order of keys in a new INI file), with its key path, how it is stored, its default
// and the field of Settings that holds it in memory. A few rows stand for values that live
// outside Settings (the window position, the profile data, the applied marks); the indicator
// handles those itself.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace settings {

inline const char kBaseKey[] = "\\Software\\Quonthary";
inline const char kColorsKey[] = "\\Software\\Quonthary\\Colors";
// What the connection check pings when no address is set: a public name server that
// answers echo requests around the clock.
inline const char kDefaultConnectionIP[] = "8.8.8.8";

enum class Encoding {
  Bool,     // "1"/"0"; read as an integer with the default, any non-zero value is true
  Int,      // signed decimal text, read like Bool but keeping the number
  Colour,   // a Windows colour (0x00BBGGRR) stored as Int
  Text,     // as held; an empty stored text stands for DefaultText
  Step,     // "BatteryHeight": an Int step, held as the window scale step x 0.1 + 0.05
  Version,  // Text as loaded; a save stores the running program's version instead
  // Rows the indicator fills in itself:
  WindowLeft,  // the window's position (Int), stored only while it is a free window
  WindowTop,
  ProfileData,   // the connection list and every profile slot (other key paths)
  AppliedMarks,  // "Checked0" ... "Checked20" under the connections key
};

struct Setting {
  const char* Name;  // the value name; for the group rows a description
  const char* KeyPath;
  Encoding Enc;
  std::int32_t Default = 0;      // Bool, Int, Colour, Step and the window position
  const char* DefaultText = "";  // Text
  bool Settings::*Flag = nullptr;
  int Settings::*Number = nullptr;
  std::string Settings::*Text = nullptr;
  float Settings::*Scale = nullptr;
};

// Every row, in save order.
const std::vector<Setting>& SettingsTable();
// The same rows in the order a load reads them.
const std::vector<const Setting*>& LoadOrder();
// The row of a value name (nullptr when there is none).
const Setting* FindSetting(const std::string& name);

// Reads or writes the value of a Bool, Int, Colour, Text, Step or Version row; the group
// and window rows are left alone. A Version row saves what memory holds.
void LoadValue(const Setting& row, SettingsStore& store, bool useRegistry, Settings& cfg);
void SaveValue(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
               const Settings& cfg);

// An Int row's stored number, or its default; and writing one. Failed writes are ignored,
// as for every setting.
std::int32_t ReadNumber(const Setting& row, SettingsStore& store, bool useRegistry);
void WriteNumber(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
                 std::int32_t value);
void WriteText(const Setting& row, SettingsStore& store, bool useRegistry, WriteBatch* batch,
               const std::string& value);

// The window scale of a size step (single precision, as the scale is kept) and back: the
// factor times ten truncated, which gives the same step again for every step from 0 up.
float ScaleOfStep(std::int32_t step);
std::int32_t StepOfScale(float scale);

}  // namespace settings
