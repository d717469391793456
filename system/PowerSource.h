// Reads the system power record (GetSystemPowerStatus).
#pragma once
#include <cstdint>

namespace sys {

// Same 12-byte layout as SYSTEM_POWER_STATUS.
struct SystemPowerStatus {
  std::uint8_t ACLineStatus = 255;
  std::uint8_t BatteryFlag = 255;
  std::uint8_t BatteryLifePercent = 255;
  std::uint8_t Reserved1 = 0;
  std::int32_t BatteryLifeTime = -1;
  std::int32_t BatteryFullLifeTime = -1;
};
static_assert(sizeof(SystemPowerStatus) == 12, "must match SYSTEM_POWER_STATUS");

class PowerSource {
 public:
  virtual ~PowerSource() = default;
  // Fills the record; false when the system call fails (the record is then untouched).
  virtual bool GetSystemPowerStatus(SystemPowerStatus& status) = 0;
};

}  // namespace sys
