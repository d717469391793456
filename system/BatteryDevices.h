// What the battery devices themselves report (IOCTL_BATTERY_QUERY_INFORMATION): the capacity
// a battery was designed for, the capacity a full charge reaches now, and its charge cycles.
// Read only for the battery's health, so the system library behind it is loaded on first use.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sys {

// BATTERY_INFORMATION's capability bits and its value for a capacity not known.
constexpr std::uint32_t BatterySystemBattery = 0x80000000;
constexpr std::uint32_t BatteryCapacityRelative = 0x40000000;
constexpr std::uint32_t BatteryIsShortTerm = 0x20000000;  // a UPS
constexpr std::uint32_t BatteryUnknownCapacity = 0xFFFFFFFF;

// One battery as its device describes it; capacities in mWh unless BatteryCapacityRelative.
struct BatteryDeviceInfo {
  std::uint32_t Capabilities = 0;
  std::uint32_t DesignedCapacity = BatteryUnknownCapacity;
  std::uint32_t FullChargedCapacity = BatteryUnknownCapacity;
  std::uint32_t CycleCount = 0;  // 0 where the battery does not count them
  std::string DeviceName;        // empty where the device gives none
  std::string Manufacturer;
};

class BatteryDevices {
 public:
  virtual ~BatteryDevices() = default;
  // Every battery in its slot now; empty where there is none or the system cannot be asked.
  virtual std::vector<BatteryDeviceInfo> Batteries() = 0;
};

// The running system's battery devices (none on a system without them).
BatteryDevices& SystemBatteryDevices();

}  // namespace sys
