// The whole-set load and save of the indicator with every profile slot in use and a full
// connection list, through the INI file and through the (in-memory) registry.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/FormQuontharyMain.h"
#include "system/fake/FakePlatform.h"
#include "tests/ProfileSamples.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

// A started program on fakes whose program folder is a scratch folder, with a full set saved.
class Program {
 public:
  explicit Program(bool registry) {
    ui::headless::Install();
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("qbench-keys-" + std::to_string(rd()));
    fs::create_directories(dir_ / "temp");
    fake_.Environment.Exe = (dir_ / "Quonthary.exe").string();
    fake_.Environment.Temp = (dir_ / "temp" / "").string();
    ini_ = (dir_ / "Quonthary.ini").string();
    if (!registry) settings::SettingsStore(fake_.Registry, ini_).WriteStorageSwitch(false);
    owner_ = std::make_unique<TFormQuontharyMain>(&ui::Application(), fake_.Platform());
    Ind().Profiles = testing_support::FilledProfiles(true);
    Ind().SaveSettings();
    // A start reads a file written long before, not one that changed a moment ago.
    if (!registry) fs::last_write_time(ini_, fs::last_write_time(ini_) - std::chrono::hours(1));
  }
  ~Program() {
    owner_.reset();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  TFormQuonthary& Ind() { return *owner_->Indicator; }
  double FileBytes() const {
    std::error_code ec;
    auto size = fs::file_size(ini_, ec);
    return ec ? 0.0 : static_cast<double>(size);
  }

 private:
  fs::path dir_;
  std::string ini_;
  sys::FakePlatform fake_;
  std::unique_ptr<TFormQuontharyMain> owner_;
};

void BM_LoadSettings(benchmark::State& state) {
  Program program(state.range(0) != 0);
  for (auto _ : state) program.Ind().LoadSettings();
  state.counters["ini_bytes"] = program.FileBytes();
}
BENCHMARK(BM_LoadSettings)->ArgName("registry")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SaveSettings(benchmark::State& state) {
  Program program(state.range(0) != 0);
  for (auto _ : state) program.Ind().SaveSettings();
  state.counters["ini_bytes"] = program.FileBytes();
}
BENCHMARK(BM_SaveSettings)->ArgName("registry")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
