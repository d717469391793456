// The battery-status object: the last power record read, and what the gauge asks of it.
#pragma once
#include "system/PowerSource.h"

namespace sys {

class PowerStatus {
 public:
  explicit PowerStatus(PowerSource& source) : source_(source) {}

  // Reads the record again; on failure the previous record stays.
  bool Refresh() { return source_.GetSystemPowerStatus(record_); }

  // The flag 128 (no system battery) read as a signed byte: 255 (unknown) counts as none too.
  bool IsBatteryPresent() const { return static_cast<signed char>(record_.BatteryFlag) >= 0; }
  bool IsOnMains() const { return record_.ACLineStatus == 1; }
  bool IsCharging() const { return (record_.BatteryFlag & 8) != 0; }
  int Percent() const {
    return record_.BatteryLifePercent == 255 ? -1 : record_.BatteryLifePercent;
  }
  int LifeTime() const { return record_.BatteryLifeTime; }
  int FullLifeTime() const { return record_.BatteryFullLifeTime; }
  // 1 high, 2 low, 3 critical, 255 none; tested in that order, so low wins over critical.
  int Level() const {
    if (record_.BatteryFlag & 1) return 1;
    if (record_.BatteryFlag & 2) return 2;
    if (record_.BatteryFlag & 4) return 3;
    return 255;
  }
  const SystemPowerStatus& Record() const { return record_; }

 private:
  PowerSource& source_;
  SystemPowerStatus record_;
};

}  // namespace sys
