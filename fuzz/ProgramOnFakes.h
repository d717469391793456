// The whole program started on fakes, its files in memory: what a fuzz target needs to feed
// a settings file or a language file to the real start-up, thousands of times a second.
#pragma once
#include <memory>
#include <string>

#include "app/FormQuontharyMain.h"
#include "system/FileLayer.h"
#include "system/VersionText.h"
#include "system/fake/FakePlatform.h"
#include "system/fake/MemoryFileLayer.h"
#include "ui/headless/HeadlessBackend.h"

namespace fuzz {

inline const char kProgramDir[] = "C:\\Quonthary\\";
inline const char kIniPath[] = "C:\\Quonthary\\Quonthary.ini";

class ProgramOnFakes {
 public:
  ProgramOnFakes() : layer_(files) {
    ui_ = &ui::headless::Install();
    fake.Environment.Exe = std::string(kProgramDir) + "Quonthary.exe";
    fake.Environment.Temp = "C:\\Temp\\";
    files.CreateDir("C:\\Temp");
    files.CreateDir("C:\\Quonthary");
    sys::SystemPowerStatus power;
    power.ACLineStatus = 0;
    power.BatteryFlag = 1;
    power.BatteryLifePercent = 57;
    power.BatteryLifeTime = 5400;
    power.BatteryFullLifeTime = 9000;
    fake.PowerSource.Status = power;
  }
  ~ProgramOnFakes() { Stop(); }
  ProgramOnFakes(const ProgramOnFakes&) = delete;
  ProgramOnFakes& operator=(const ProgramOnFakes&) = delete;

  TFormQuonthary& Start() {
    owner_ = std::make_unique<TFormQuontharyMain>(&ui::Application(), fake.Platform());
    ui::Application().SetMainForm(owner_.get());
    return *owner_->Indicator;
  }
  void Stop() { owner_.reset(); }
  // The version a start stores as "PreviousVersion" (so that no about dialog opens).
  std::string RunningVersion() {
    return sys::GetFileVersionText(fake.VersionInfo, fake.Environment.ExePath(), true, true, true,
                                   true);
  }
  TFormQuonthary& Indicator() { return *owner_->Indicator; }
  ui::headless::HeadlessBackend& Ui() { return *ui_; }
  // Seconds of the program's timers.
  void Run(int seconds) { ui_->AdvanceTime(1000u * unsigned(seconds)); }

  sys::MemoryFileLayer files;
  sys::FakePlatform fake;

 private:
  sys::files::ScopedLayer layer_;
  ui::headless::HeadlessBackend* ui_ = nullptr;
  std::unique_ptr<TFormQuontharyMain> owner_;
};

}  // namespace fuzz
