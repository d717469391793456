// The IP helper of the running system under wine: the connections as GetAdaptersAddresses
// lists them, with sane addresses, prefixes and server lists.
#include <gtest/gtest.h>

#include "system/Ipv4.h"
#include "system/win32/Win32IpHelper.h"

namespace {

TEST(Win32IpHelper, ListsTheConnectionsWithTheirIPv4Settings) {
  sys::Win32IpHelper helper;
  const auto connections = helper.Connections();
  ASSERT_TRUE(connections) << "GetAdaptersAddresses did not answer";
  std::string seen;
  bool loopback = false;
  for (const sys::ConnectionConfig& c : *connections) {
    EXPECT_FALSE(c.Name.empty());
    seen += c.Name + (c.Dhcp ? " (DHCP)" : "") + ":";
    for (const sys::Ipv4Unicast& u : c.Addresses) {
      EXPECT_TRUE(sys::ParseIPv4(u.Address)) << u.Address;
      EXPECT_GT(u.PrefixLength, 0) << c.Name << " " << u.Address;
      EXPECT_LE(u.PrefixLength, 32) << c.Name << " " << u.Address;
      seen += " " + u.Address + "/" + std::to_string(u.PrefixLength) + " dad " +
              std::to_string(int(u.Dad));
      // Addresses in use: no duplicate, and a state the system reports (XP's record too).
      EXPECT_EQ(u.Dad, sys::DadState::Preferred) << c.Name << " " << u.Address;
      loopback |= u.Address == "127.0.0.1";
    }
    for (const std::string& g : c.Gateways) {
      EXPECT_TRUE(sys::ParseIPv4(g)) << g;
      seen += " gw " + g;
    }
    for (const std::string& d : c.DnsServers) {
      EXPECT_TRUE(sys::ParseIPv4(d)) << d;
      seen += " dns " + d;
    }
    seen += "; ";
  }
  RecordProperty("Connections", seen);
  std::printf("connections: %s\n", seen.c_str());
  // Every system has its loopback connection.
  EXPECT_TRUE(loopback) << seen;
}

}  // namespace
