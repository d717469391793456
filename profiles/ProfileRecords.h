// The three profile tables, the connection-name list and the applied marks. A slot number
// (0-20) is a profile's identity everywhere: menus, buttons, links and storage keys.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace profiles {

constexpr int SlotCount = 21;
constexpr int MaxConnectionNames = 30;

struct IPProfileRecord {
  bool Used = false;
  std::string ProfileName;
  bool isDHCP = false;
  std::string statIP;
  std::string statMask;
  std::string statGate;
  std::string statDns1;
  std::string statDns2;
  std::string connectionName;
  std::int32_t ProxyProfile = 0;  // slot of a proxy profile put in force with this one; -1 none
  std::int32_t MacProfile = 0;    // slot of a MAC profile put in force with this one; -1 none
};

struct ProxyProfileRecord {
  bool Used = false;
  std::string ProfileName;
  bool UseProxyServer = false;
  std::string ProxyServer;
  std::string ProxyServerPort;
  bool BypassProxyLCon = false;
};

struct MacProfileRecord {
  bool Used = false;
  std::string ProfileName;
  std::string NetworkAdapterName;
  bool UseOtherMAC = false;
  std::string LinkInRegistry;
  std::string MacAddress;
};

struct ProfileTables {
  std::array<IPProfileRecord, SlotCount> IPProfiles;
  std::array<ProxyProfileRecord, SlotCount> ProxyProfiles;
  std::array<MacProfileRecord, SlotCount> MacProfiles;
  // At most MaxConnectionNames names.
  std::vector<std::string> ConnectionNames;
  // True for the IP profile last applied to its connection (the IP menu items' check marks).
  std::array<bool, SlotCount> AppliedMarks{};

  // A link is followed only to an existing slot that is in use.
  const ProxyProfileRecord* LinkedProxy(const IPProfileRecord& ip) const {
    return ip.ProxyProfile >= 0 && ip.ProxyProfile < SlotCount &&
                   ProxyProfiles[std::size_t(ip.ProxyProfile)].Used
               ? &ProxyProfiles[std::size_t(ip.ProxyProfile)]
               : nullptr;
  }
  const MacProfileRecord* LinkedMac(const IPProfileRecord& ip) const {
    return ip.MacProfile >= 0 && ip.MacProfile < SlotCount &&
                   MacProfiles[std::size_t(ip.MacProfile)].Used
               ? &MacProfiles[std::size_t(ip.MacProfile)]
               : nullptr;
  }
};

}  // namespace profiles
