#include "system/win32/Win32PowerSource.h"

#include "system/win32/WinApi.h"

namespace sys {

bool Win32PowerSource::GetSystemPowerStatus(SystemPowerStatus& status) {
  SYSTEM_POWER_STATUS record{};
  if (!::GetSystemPowerStatus(&record)) return false;
  status.ACLineStatus = record.ACLineStatus;
  status.BatteryFlag = record.BatteryFlag;
  status.BatteryLifePercent = record.BatteryLifePercent;
  status.Reserved1 = record.Reserved1;
  status.BatteryLifeTime = static_cast<std::int32_t>(record.BatteryLifeTime);
  status.BatteryFullLifeTime = static_cast<std::int32_t>(record.BatteryFullLifeTime);
  return true;
}

}  // namespace sys
