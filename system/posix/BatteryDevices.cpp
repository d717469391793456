#include "system/BatteryDevices.h"

namespace sys {

namespace {

// The native build has no Windows battery devices to ask.
class NoBatteryDevices : public BatteryDevices {
 public:
  std::vector<BatteryDeviceInfo> Batteries() override { return {}; }
};

}  // namespace

BatteryDevices& SystemBatteryDevices() {
  static NoBatteryDevices none;
  return none;
}

}  // namespace sys
