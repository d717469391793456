#include "system/fake/FakePowerSource.h"

namespace sys {

bool FakePowerSource::GetSystemPowerStatus(SystemPowerStatus& status) {
  ++Calls;
  if (Fail) return false;
  status = Status;
  return true;
}

}  // namespace sys
