// The battery's health line in discharging_log\health.txt: looked at once a day while the
// program runs and when a battery period begins, written when it says something new.
#include "app/FormQuonthary.h"
#include "indicator/BatteryHealth.h"

namespace {
// The first look waits a minute: a start loads no device library, and a program started
// only for a moment leaves no line.
constexpr int kHealthWaitTicks = 60;
}  // namespace

void TFormQuonthary::LogBatteryHealth(bool onBattery) {
  const sys::LocalTime now = Sys.Time.Now();
  const int today = now.Year * 10000 + now.Month * 100 + now.Day;
  if (today != HealthDay || (onBattery && !HealthOnBattery)) HealthDue = true;
  HealthDay = today;
  HealthOnBattery = onBattery;
  if (HealthWaitTicks < kHealthWaitTicks) {
    ++HealthWaitTicks;
    return;
  }
  // The health line lives with the discharge log, and is off with it.
  if (!HealthDue || !Cfg.LogWorkTime) return;
  // Before the write: one that fails costs one beep, not one every second.
  HealthDue = false;
  if (auto reading = indicator::CombineBatteries(Sys.Battery.Batteries(), now))
    indicator::AppendHealthReading(ProgramDir() + "discharging_log\\", *reading);
}
