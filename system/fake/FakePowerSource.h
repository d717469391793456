// A power record that tests set by hand.
#pragma once
#include "system/PowerSource.h"

namespace sys {

class FakePowerSource : public PowerSource {
 public:
  bool GetSystemPowerStatus(SystemPowerStatus& status) override;

  SystemPowerStatus Status;  // what the next call reports
  bool Fail = false;         // the call fails and leaves the caller's record alone
  int Calls = 0;
};

}  // namespace sys
