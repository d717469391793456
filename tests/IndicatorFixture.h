// A whole program start on fakes: the headless form backend, every platform adapter faked,
// and a real scratch folder standing for the program's folder (INI file, logs, skins...).
#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/FormQuontharyMain.h"
#include "settings/SettingsStore.h"
#include "system/Environment.h"
#include "system/VersionText.h"
#include "system/fake/FakePlatform.h"
#include "ui/headless/HeadlessBackend.h"

namespace testing_support {

// A fresh folder under the system's temporary folder, removed again at the end.
class ScratchDir {
 public:
  ScratchDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("quonthary-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // With a trailing separator, as the program writes folders.
  std::string Dir() const { return (path_ / "").string(); }

 private:
  std::filesystem::path path_;
};

// Power records as the system reports them.
inline sys::SystemPowerStatus OnBattery(int percent, int lifeTime = -1, int fullLifeTime = -1) {
  sys::SystemPowerStatus s;
  s.ACLineStatus = 0;
  s.BatteryFlag = percent <= 5 ? 4 : (percent <= 33 ? 2 : 1);
  s.BatteryLifePercent = static_cast<std::uint8_t>(percent);
  s.BatteryLifeTime = lifeTime;
  s.BatteryFullLifeTime = fullLifeTime;
  return s;
}

inline sys::SystemPowerStatus OnMains(int percent, bool charging = true) {
  sys::SystemPowerStatus s;
  s.ACLineStatus = 1;
  s.BatteryFlag = static_cast<std::uint8_t>((percent > 33 ? 1 : 2) | (charging ? 8 : 0));
  s.BatteryLifePercent = static_cast<std::uint8_t>(percent);
  return s;
}

inline sys::SystemPowerStatus NoBattery() {
  sys::SystemPowerStatus s;
  s.ACLineStatus = 1;
  s.BatteryFlag = 128;
  s.BatteryLifePercent = 255;
  return s;
}

// As after a run whose user ticked "Don't show at startup" in the about dialog of the
// running version: a start then opens no dialog by itself. The two values go where the
// program will read them (the INI file when its switch says so).
inline void SeenAboutDialog(sys::Registry& registry, const std::string& exePath,
                            const sys::FakeVersionInfo& version) {
  sys::FakeVersionInfo probe;
  probe.Version = version.Version;
  const std::string running = sys::GetFileVersionText(probe, "", true, true, true, true);
  settings::SettingsStore store(registry, sys::ChangeFileExt(exePath, ".ini"));
  const bool useRegistry = store.ReadStorageSwitch();
  for (const auto& [name, value] : {std::pair<const char*, std::string>{"AboutShowAtStartup", "1"},
                                    {"PreviousVersion", running}})
    store.WriteSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary", name, value,
                             useRegistry, nullptr);
}

inline void SeenAboutDialog(sys::FakePlatform& fake) {
  SeenAboutDialog(fake.Registry, fake.Environment.ExePath(), fake.VersionInfo);
}

class IndicatorFixture : public testing::Test {
 protected:
  void SetUp() override {
    ui_ = &ui::headless::Install();
    fake.Environment.Exe = dir.Dir() + "Quonthary.exe";
    fake.Environment.Temp =
        dir.Dir() + "temp" + std::string(1, std::filesystem::path::preferred_separator);
    std::filesystem::create_directories(dir.Path() / "temp");
    fake.PowerSource.Status = OnMains(100, false);
  }
  void TearDown() override { owner.reset(); }

  // Runs the whole start-up: owner form, indicator, first tick, settings, show, and then
  // (unless openVolume is false) the volume opened after the show. Unless a test clears
  // aboutSeen, the about dialog was seen and ticked away for this version.
  TFormQuonthary& Start(bool openVolume = true) {
    if (aboutSeen) SeenAboutDialog(fake);
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), fake.Platform());
    ui::Application().SetMainForm(owner.get());
    if (openVolume && ui_->TimerScheduled(Ind().TimerOpenVolume))
      ui_->FireTimer(Ind().TimerOpenVolume);
    return *owner->Indicator;
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }
  // One second of the battery timer.
  void Tick(int seconds = 1) { ui_->AdvanceTime(1000u * unsigned(seconds)); }
  // A value the program stored in the registry under "\Software\Quonthary".
  std::string Stored(const std::string& name, const std::string& path = "\\Software\\Quonthary") {
    auto v = fake.Registry.Value(sys::RootKey::CurrentUser, path, name);
    return v ? (v->Kind == sys::ValueKind::Dword ? std::to_string(v->Dword) : v->Text) : "<none>";
  }
  void Store(const std::string& name, const std::string& value,
             const std::string& path = "\\Software\\Quonthary") {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name,
                           {sys::ValueKind::String, value, 0});
  }

  ScratchDir dir;
  sys::FakePlatform fake;
  bool aboutSeen = true;
  ui::headless::HeadlessBackend* ui_ = nullptr;
  std::unique_ptr<TFormQuontharyMain> owner;
};

}  // namespace testing_support
