// Whole-program starts for the settings set: values planted in either backend before the
// start, and what a save left in the registry or the INI file.
#pragma once
#include <optional>
#include <string>

#include "IndicatorFixture.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "system/Files.h"

namespace testing_support {

inline const std::string kBase = "\\Software\\Quonthary";
inline const std::string kColors = "\\Software\\Quonthary\\Colors";
inline const std::string kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class SettingsFixture : public IndicatorFixture {
 protected:
  std::string IniPath() const { return dir.Dir() + "Quonthary.ini"; }
  std::string IniText() const { return sys::files::ReadAll(IniPath()).value_or("<absent>"); }

  // Switches the program to the INI file, as the settings dialog leaves it.
  void ChooseIniFile() {
    settings::SettingsStore(fake.Registry, IniPath()).WriteStorageSwitch(false);
  }

  TFormQuonthary& Restart() {
    owner.reset();
    return Start();
  }

  // A string value as the program would store it, in the registry or the INI file.
  void Plant(bool registry, const std::string& name, const std::string& value,
             const std::string& path = kBase) {
    if (registry) {
      fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name,
                             {sys::ValueKind::String, value, 0});
    } else {
      settings::SettingsStore(fake.Registry, IniPath())
          .WriteSettingString(sys::RootKey::CurrentUser, path, name, value, false, nullptr);
    }
  }

  // A stored value as text (a DWORD in decimal); nullopt when it is not there.
  std::optional<std::string> Saved(bool registry, const std::string& name,
                                   const std::string& path = kBase) const {
    if (!registry) {
      return settings::IniFile::Parse(sys::files::ReadAll(IniPath()).value_or(""))
          .Get(settings::SectionOf(path), name);
    }
    auto v = fake.Registry.Value(sys::RootKey::CurrentUser, path, name);
    if (!v) return std::nullopt;
    return v->Kind == sys::ValueKind::Dword ? std::to_string(v->Dword) : v->Text;
  }
};

}  // namespace testing_support
