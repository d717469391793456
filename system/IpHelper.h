// The network connections' present IPv4 configuration, as the system's IP helper reports it
// (GetAdaptersAddresses): what a profile is compared with after it was applied.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace sys {

// Duplicate address detection of a unicast address, in the system's numbering
// (IP_DAD_STATE). A static address another computer already holds stays listed, marked
// Duplicate; one still being checked is Tentative. Invalid where the system tells nothing.
enum class DadState { Invalid = 0, Tentative = 1, Duplicate = 2, Deprecated = 3, Preferred = 4 };

struct Ipv4Unicast {
  std::string Address;   // dotted, "192.168.1.7"
  int PrefixLength = 0;  // 24 for a mask of 255.255.255.0
  DadState Dad = DadState::Invalid;
};

// One connection ("Local Area Connection"), IPv4 only, each list in the system's order.
struct ConnectionConfig {
  std::string Name;  // the friendly name, in the ANSI code page
  bool Dhcp = false;
  std::vector<Ipv4Unicast> Addresses;
  std::vector<std::string> Gateways;
  std::vector<std::string> DnsServers;
};

class IpHelper {
 public:
  virtual ~IpHelper() = default;
  // Every connection the system lists now; nullopt when the system could not be asked.
  virtual std::optional<std::vector<ConnectionConfig>> Connections() = 0;
};

// The running system's IP helper (a reader that knows no connection where there is none).
IpHelper& SystemIpHelper();

}  // namespace sys
