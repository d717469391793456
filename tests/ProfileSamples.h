// Profile tables with every field of every slot set to a value of its own, and the records
// as tuples for comparison. Shared by tests and benchmarks (no test framework needed).
#pragma once
#include <string>
#include <tuple>

#include "profiles/ProfileRecords.h"

namespace testing_support {

// A static profile as most tests use it.
inline profiles::IPProfileRecord OfficeProfile(int proxy = -1, int mac = -1) {
  return {true,
          "Office",
          false,
          "10.0.0.5",
          "255.255.255.0",
          "10.0.0.1",
          "10.0.0.2",
          "10.0.0.3",
          "Local Area Connection",
          proxy,
          mac};
}

inline auto Tie(const profiles::IPProfileRecord& r) {
  return std::tie(r.Used, r.ProfileName, r.isDHCP, r.statIP, r.statMask, r.statGate, r.statDns1,
                  r.statDns2, r.connectionName, r.ProxyProfile, r.MacProfile);
}
inline auto Tie(const profiles::ProxyProfileRecord& r) {
  return std::tie(r.Used, r.ProfileName, r.UseProxyServer, r.ProxyServer, r.ProxyServerPort,
                  r.BypassProxyLCon);
}
inline auto Tie(const profiles::MacProfileRecord& r) {
  return std::tie(r.Used, r.ProfileName, r.NetworkAdapterName, r.UseOtherMAC, r.LinkInRegistry,
                  r.MacAddress);
}

// allUsed: every slot holds a profile (a full set); otherwise a mix of used and unused.
inline profiles::ProfileTables FilledProfiles(bool allUsed = false) {
  profiles::ProfileTables t;
  for (int n = 0; n < profiles::SlotCount; ++n) {
    const auto i = std::size_t(n);
    const std::string s = std::to_string(n);
    t.IPProfiles[i] = {
        allUsed || n % 3 != 0, "Office " + s, n % 2 == 0,    "10.0.0." + s, "255.0.0.0",
        "10.0.0.254",          "10.0.1." + s, "10.0.2." + s, "LAN " + s,    20 - n,
        n % 4 ? n : -1};
    t.ProxyProfiles[i] = {allUsed || n % 2 != 0,
                          "Proxy " + s,
                          n % 3 == 0,
                          "proxy" + s + ".example",
                          n % 5 ? std::to_string(8000 + n) : "",
                          n % 4 == 1};
    t.MacProfiles[i] = {allUsed || n % 4 != 2,
                        "Card " + s,
                        "Adapter model " + s,
                        n % 2 == 1,
                        "00" + s,
                        "02004C4F4F" + std::to_string(10 + n)};
    t.AppliedMarks[i] = n % 7 == 3;
  }
  for (int k = 0; k < profiles::MaxConnectionNames; ++k)
    t.ConnectionNames.push_back("Connection " + std::to_string(k));
  return t;
}

}  // namespace testing_support
