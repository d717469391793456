// The battery devices of the running system, found as Microsoft's "Enumerating Battery
// Devices" describes: every interface of the battery class through the setup API, each
// device opened, its battery's tag asked for (IOCTL_BATTERY_QUERY_TAG), then its information
// (IOCTL_BATTERY_QUERY_INFORMATION). The setup API is loaded the first time this runs.
#include <cstddef>
#include <vector>

#include "system/BatteryDevices.h"
#include "system/win32/LazyLibrary.h"
#include "system/win32/Owned.h"
#include "system/win32/WinApi.h"

#include <setupapi.h>
#include <winioctl.h>
#include <poclass.h>

namespace sys {

namespace {

LazyLibrary setupapi("setupapi.dll");

// GUID_DEVCLASS_BATTERY, which is also the battery devices' interface class.
const GUID kBatteryClass = {
    0x72631e54, 0x78a4, 0x11d0, {0xbc, 0xf7, 0x00, 0xaa, 0x00, 0xb7, 0xb3, 0x2a}};
// Slots looked at, at most (Microsoft's example stops at a hundred).
constexpr DWORD kMostSlots = 100;

struct DestroyList {
  void operator()(HDEVINFO list) const {
    if (auto destroy =
            setupapi.Get<decltype(SetupDiDestroyDeviceInfoList)>("SetupDiDestroyDeviceInfoList"))
      destroy(list);
  }
};
struct CloseFile {
  void operator()(HANDLE h) const { CloseHandle(h); }
};

// The path of one interface of the list; empty past the last.
std::string InterfacePath(HDEVINFO list, DWORD index, bool& more) {
  auto enumInterfaces =
      setupapi.Get<decltype(SetupDiEnumDeviceInterfaces)>("SetupDiEnumDeviceInterfaces");
  auto detail =
      setupapi.Get<decltype(SetupDiGetDeviceInterfaceDetailA)>("SetupDiGetDeviceInterfaceDetailA");
  more = false;
  if (!enumInterfaces || !detail) return {};
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  if (!enumInterfaces(list, nullptr, &kBatteryClass, index, &data)) return {};
  more = true;
  DWORD needed = 0;
  detail(list, &data, nullptr, 0, &needed, nullptr);
  if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return {};
  // DWORD-aligned, as the record's first member needs.
  std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* record = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
  record->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  if (!detail(list, &data, record, needed, nullptr, nullptr)) return {};
  return record->DevicePath;
}

// A text the device gives as a wide string (its name, its maker); empty where it has none.
std::string QueryText(HANDLE device, ULONG tag, BATTERY_QUERY_INFORMATION_LEVEL level) {
  BATTERY_QUERY_INFORMATION query{};
  query.BatteryTag = tag;
  query.InformationLevel = level;
  wchar_t text[128] = {};
  DWORD got = 0;
  if (!DeviceIoControl(device, IOCTL_BATTERY_QUERY_INFORMATION, &query, sizeof query, text,
                       sizeof text - sizeof(wchar_t), &got, nullptr))
    return {};
  char ansi[256] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi - 1, nullptr, nullptr);
  return ansi;
}

// The battery in one slot; false for an empty slot or a device that does not answer.
bool ReadBattery(const std::string& path, BatteryDeviceInfo& info) {
  Owned<HANDLE, CloseFile> device;
  {
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    device = Owned<HANDLE, CloseFile>(h);
  }
  // A tag names the battery now in the slot; 0 means the slot is empty.
  ULONG tag = 0;
  DWORD wait = 0, got = 0;
  if (!DeviceIoControl(device.get(), IOCTL_BATTERY_QUERY_TAG, &wait, sizeof wait, &tag, sizeof tag,
                       &got, nullptr) ||
      tag == 0)
    return false;
  BATTERY_QUERY_INFORMATION query{};
  query.BatteryTag = tag;
  query.InformationLevel = BatteryInformation;
  BATTERY_INFORMATION bi{};
  if (!DeviceIoControl(device.get(), IOCTL_BATTERY_QUERY_INFORMATION, &query, sizeof query, &bi,
                       sizeof bi, &got, nullptr))
    return false;
  info.Capabilities = bi.Capabilities;
  info.DesignedCapacity = bi.DesignedCapacity;
  info.FullChargedCapacity = bi.FullChargedCapacity;
  info.CycleCount = bi.CycleCount;
  info.DeviceName = QueryText(device.get(), tag, BatteryDeviceName);
  info.Manufacturer = QueryText(device.get(), tag, BatteryManufactureName);
  return true;
}

class Win32BatteryDevices : public BatteryDevices {
 public:
  std::vector<BatteryDeviceInfo> Batteries() override {
    std::vector<BatteryDeviceInfo> found;
    auto getClassDevs = setupapi.Get<decltype(SetupDiGetClassDevsA)>("SetupDiGetClassDevsA");
    if (!getClassDevs) return found;
    HDEVINFO made =
        getClassDevs(&kBatteryClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (made == INVALID_HANDLE_VALUE) return found;
    Owned<HDEVINFO, DestroyList> list(made);
    bool more = true;
    for (DWORD i = 0; more && i < kMostSlots; ++i) {
      const std::string path = InterfacePath(list.get(), i, more);
      BatteryDeviceInfo info;
      if (!path.empty() && ReadBattery(path, info)) found.push_back(info);
    }
    return found;
  }
};

}  // namespace

BatteryDevices& SystemBatteryDevices() {
  static Win32BatteryDevices devices;
  return devices;
}

}  // namespace sys
