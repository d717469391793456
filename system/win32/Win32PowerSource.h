// The power record of the running system.
#pragma once
#include "system/PowerSource.h"

namespace sys {

class Win32PowerSource : public PowerSource {
 public:
  bool GetSystemPowerStatus(SystemPowerStatus& status) override;
};

}  // namespace sys
