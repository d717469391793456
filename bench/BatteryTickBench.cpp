// The cost of one battery tick, the work the indicator does every second: on mains, on
// battery with the charge unchanged, and on battery when the charge drops (a log line).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/FormQuontharyMain.h"
#include "system/fake/FakePlatform.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

struct Program {
  Program() {
    ui::headless::Install();
    dir = std::filesystem::temp_directory_path() / "quonthary-bench-tick";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    fake.Environment.Exe = (dir / "Quonthary.exe").string();
    fake.Desktop.AddTaskbar();
    owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), fake.Platform());
  }
  ~Program() {
    owner.reset();
    std::filesystem::remove_all(dir);
  }
  TFormQuonthary& Ind() { return *owner->Indicator; }

  std::filesystem::path dir;
  sys::FakePlatform fake;
  std::unique_ptr<TFormQuontharyMain> owner;
};

sys::SystemPowerStatus Power(bool mains, int percent) {
  sys::SystemPowerStatus s;
  s.ACLineStatus = mains ? 1 : 0;
  s.BatteryFlag = mains ? 1 | 8 : 1;
  s.BatteryLifePercent = static_cast<std::uint8_t>(percent);
  s.BatteryLifeTime = mains ? -1 : 5400;
  s.BatteryFullLifeTime = mains ? -1 : 10800;
  return s;
}

void BM_TickOnMains(benchmark::State& state) {
  Program p;
  p.fake.PowerSource.Status = Power(true, 80);
  for (auto _ : state) p.Ind().TimerTimer(nullptr);
}
BENCHMARK(BM_TickOnMains);

void BM_TickOnBatteryChargeUnchanged(benchmark::State& state) {
  Program p;
  p.fake.PowerSource.Status = Power(false, 64);
  p.Ind().TimerTimer(nullptr);  // the unplug: message, alert, new log file
  p.Ind().TimerTimer(nullptr);  // the skipped tick after the message
  for (auto _ : state) p.Ind().TimerTimer(nullptr);
}
BENCHMARK(BM_TickOnBatteryChargeUnchanged);

void BM_TickOnBatteryChargeDrops(benchmark::State& state) {
  Program p;
  p.fake.PowerSource.Status = Power(false, 99);
  p.Ind().TimerTimer(nullptr);
  p.Ind().TimerTimer(nullptr);
  int percent = 98;
  for (auto _ : state) {
    // A new charge every tick means one more log line: the whole file is rewritten.
    p.fake.PowerSource.Status = Power(false, percent);
    percent = percent > 1 ? percent - 1 : 98;
    p.Ind().TimerTimer(nullptr);
  }
}
BENCHMARK(BM_TickOnBatteryChargeDrops);

}  // namespace
