// The batteries a test puts in the slots; counts how often they were asked.
#pragma once
#include "system/BatteryDevices.h"

namespace sys {

class FakeBatteryDevices : public BatteryDevices {
 public:
  std::vector<BatteryDeviceInfo> Batteries() override {
    ++Reads;
    return Now;
  }

  std::vector<BatteryDeviceInfo> Now;
  int Reads = 0;
};

}  // namespace sys
