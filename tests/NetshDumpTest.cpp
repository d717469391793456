// Reading the network shell's interface dump: the XP lines as the rules take them, the
// newer "interface ipv4" form, and dumps that mix them.
#include <gtest/gtest.h>

#include "profiles/NetshDump.h"
#include "profiles/NetshScript.h"

namespace {

using profiles::DumpedSettings;
using profiles::ParseConnectionNames;
using profiles::ParseConnectionSettings;
using Lines = std::vector<std::string>;

void ExpectSettings(const DumpedSettings& s, bool dhcp, const std::string& address,
                    const std::string& mask, const std::string& gateway, const std::string& dns1,
                    const std::string& dns2) {
  EXPECT_EQ(s.dhcp, dhcp);
  EXPECT_EQ(s.address, address);
  EXPECT_EQ(s.mask, mask);
  EXPECT_EQ(s.gateway, gateway);
  EXPECT_EQ(s.dns1, dns1);
  EXPECT_EQ(s.dns2, dns2);
}

// As Windows XP dumps its "interface ip" context.
const Lines kXpDump = {
    "#========================",
    "# Interface IP Configuration",
    "#========================",
    "pushd interface ip",
    "",
    "# Interface IP Configuration for \"LAN\"",
    "set address name=\"LAN\" source=static addr=192.168.1.10 mask=255.255.255.0",
    "set address name=\"LAN\" gateway=192.168.1.1 gwmetric=0",
    "set dns name=\"LAN\" source=static addr=10.0.0.1 register=PRIMARY",
    "add dns name=\"LAN\" addr=10.0.0.2 index=2",
    "add dns name=\"LAN\" addr=10.0.0.3 index=3",
    "set wins name=\"LAN\" source=static addr=none",
    "",
    "# Interface IP Configuration for \"LAN 2\"",
    "set address name=\"LAN 2\" source=static addr=172.16.0.9 mask=255.255.0.0",
    "set address name=\"LAN 2\" gateway=172.16.0.1 gwmetric=0",
    "set dns name=\"LAN 2\" source=static addr=172.16.0.2 register=PRIMARY",
    "",
    "# Interface IP Configuration for \"WLAN\"",
    "set address name=\"WLAN\" source=dhcp",
    "set dns name=\"WLAN\" source=dhcp register=PRIMARY",
    "",
    "popd",
    "# End of interface IP configuration",
};

// As Windows 7 dumps it: one "interface ipv4" section (and an IPv6 one that uses the same
// words for other addresses).
const Lines kVistaDump = {
    "# ----------------------------------",
    "# IPv4 Configuration",
    "# ----------------------------------",
    "pushd interface ipv4",
    "",
    "reset",
    "set global icmpredirects=enabled",
    "add route prefix=10.8.0.0/16 interface=\"Local Area Connection\" nexthop=192.168.1.250",
    "add route prefix=0.0.0.0/0 interface=\"Local Area Connection\" nexthop=192.168.1.1 "
    "publish=Yes",
    "add route prefix=0.0.0.0/0 interface=\"Local Area Connection\" nexthop=192.168.1.2",
    "add address name=\"Local Area Connection\" address=192.168.1.10 mask=255.255.255.0",
    "add address name=\"Local Area Connection\" address=192.168.1.11 mask=255.255.255.0",
    "set address name=\"Wireless Network Connection\" source=dhcp",
    "set dnsservers name=\"Local Area Connection\" source=static address=8.8.8.8 "
    "register=primary",
    "add dnsservers name=\"Local Area Connection\" address=8.8.4.4 index=2",
    "add dnsservers name=\"Local Area Connection\" address=9.9.9.9 index=20",
    "",
    "popd",
    "# End of IPv4 configuration",
    "",
    "pushd interface ipv6",
    "add address name=\"Local Area Connection\" address=fe80::1 mask=64",
    "add address name=\"Teredo Tunneling Pseudo-Interface\" address=2001::1",
    "set dnsservers name=\"Local Area Connection\" source=static address=fe80::53",
    "popd",
};

TEST(NetshDump, XpStaticConnectionTakesTheValueAfterEachKey) {
  ExpectSettings(ParseConnectionSettings(kXpDump, "LAN"), false, "192.168.1.10", "255.255.255.0",
                 "192.168.1.1", "10.0.0.1", "10.0.0.2");
  // "register=" is how the name is registered, not the server's place: DNS 1 all the same.
  for (const char* mode : {"NONE", "BOTH"}) {
    const Lines lines = {
        "set address name=\"LAN\" source=static addr=10.0.0.5 mask=255.0.0.0",
        std::string("set dns name=\"LAN\" source=static addr=10.0.0.7 register=") + mode};
    EXPECT_EQ(ParseConnectionSettings(lines, "LAN").dns1, "10.0.0.7") << mode;
  }
}

TEST(NetshDump, AConnectionTheDumpDoesNotDescribeIsNotFound) {
  EXPECT_TRUE(ParseConnectionSettings(kXpDump, "WLAN").found);
  EXPECT_TRUE(ParseConnectionSettings(kVistaDump, "Local Area Connection").found);
  // Only a route names it, or only its name servers: described all the same.
  EXPECT_TRUE(ParseConnectionSettings({kVistaDump[0], kVistaDump[3], kVistaDump[8]},
                                      "Local Area Connection")
                  .found);
  EXPECT_TRUE(ParseConnectionSettings({"add dns name=\"LAN\" addr=10.0.0.2 index=2"}, "LAN").found);
  for (const char* absent : {"LA", "Teredo Tunneling Pseudo-Interface", "VPN"})
    EXPECT_FALSE(ParseConnectionSettings(kVistaDump, absent).found) << absent;
  EXPECT_FALSE(ParseConnectionSettings(kXpDump, "LA").found);
}

TEST(NetshDump, XpDhcpConnectionLeavesTheAddressesEmpty) {
  ExpectSettings(ParseConnectionSettings(kXpDump, "WLAN"), true, "", "", "", "", "");
}

TEST(NetshDump, ANamePrefixOfAnotherMatchesOnlyItsOwnLines) {
  ExpectSettings(ParseConnectionSettings(kXpDump, "LAN 2"), false, "172.16.0.9", "255.255.0.0",
                 "172.16.0.1", "172.16.0.2", "");
  ExpectSettings(ParseConnectionSettings(kXpDump, "LA"), false, "", "", "", "", "");
}

TEST(NetshDump, CaseIsIgnoredInTheMatchAndKeptInTheValue) {
  const Lines lines = {"SET ADDRESS NAME=\"Lan\" SOURCE=STATIC ADDR=Host.Local MASK=255.0.0.0",
                       "Set Dns Name=\"LAN\" addr=NS1 register=Primary"};
  ExpectSettings(ParseConnectionSettings(lines, "lan"), false, "Host.Local", "255.0.0.0", "", "NS1",
                 "");
}

TEST(NetshDump, LaterLinesOverwriteAndDhcpSticks) {
  const Lines lines = {
      "set address name=\"LAN\" source=dhcp",
      "set address name=\"LAN\" source=static addr=10.0.0.5 mask=255.0.0.0",
      "set address name=\"LAN\" source=static addr=10.0.0.6",
      "  indented: set dns name=\"LAN\" addr=10.0.0.7 primary",
      "set dns name=\"LAN\" addr=10.0.0.8 register=none",
      "set dns name=\"LAN\" source=dhcp addr=10.0.0.9",
  };
  // Patterns count anywhere; a DHCP "set dns" line names no server of its own.
  ExpectSettings(ParseConnectionSettings(lines, "LAN"), true, "10.0.0.6", "255.0.0.0", "",
                 "10.0.0.8", "");
}

TEST(NetshDump, AValueRunsToTheNextBlankOrTheLineEnd) {
  const Lines lines = {"set address name=\"LAN\" gateway=10.0.0.1",
                       "set address name=\"LAN\" mask=255.255.255.0\tgwmetric=1"};
  const DumpedSettings s = ParseConnectionSettings(lines, "LAN");
  EXPECT_EQ(s.gateway, "10.0.0.1");
  // Only a blank ends a value.
  EXPECT_EQ(s.mask, "255.255.255.0\tgwmetric=1");
}

TEST(NetshDump, XpNamesOnePerSetAddressLineBlanksIncluded) {
  const Lines names = ParseConnectionNames(kXpDump);
  EXPECT_EQ(names, (Lines{"LAN", "LAN", "LAN 2", "LAN 2", "WLAN"}));
  EXPECT_EQ(ParseConnectionNames({"set address name=\"Local Area Connection\" source=dhcp"}),
            Lines{"Local Area Connection"});
  // Without a closing quote the name is empty; the key may stand anywhere in the line.
  EXPECT_EQ(ParseConnectionNames({"set address name=\"broken", "x SET ADDRESS NAME=\"Up\""}),
            (Lines{"", "Up"}));
}

TEST(NetshDump, NewerFormTakesThePrimaryAddressAndTheDefaultRoute) {
  ExpectSettings(ParseConnectionSettings(kVistaDump, "local area connection"), false,
                 "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4");
  ExpectSettings(ParseConnectionSettings(kVistaDump, "Wireless Network Connection"), true, "", "",
                 "", "", "");
}

TEST(NetshDump, NewerFormNamesComeFromTheIPv4SectionOnly) {
  EXPECT_EQ(
      ParseConnectionNames(kVistaDump),
      (Lines{"Local Area Connection", "Local Area Connection", "Wireless Network Connection"}));
}

TEST(NetshDump, NewerFormOutsideAnIPv4SectionIsNotRead) {
  const Lines lines = {"add address name=\"LAN\" address=10.0.0.5 mask=255.0.0.0",
                       "pushd interface ipv6", "set dnsservers name=\"LAN\" address=fe80::1",
                       "popd"};
  ExpectSettings(ParseConnectionSettings(lines, "LAN"), false, "", "", "", "", "");
  EXPECT_TRUE(ParseConnectionNames(lines).empty());
}

TEST(NetshDump, AMixedDumpReadsBothForms) {
  Lines mixed = kXpDump;
  mixed.insert(mixed.end(), {"pushd interface ipv4",
                             "add address name=\"Ethernet\" address=10.1.0.5 mask=255.255.0.0",
                             "add route prefix=0.0.0.0/0 interface=\"Ethernet\" nexthop=10.1.0.1",
                             "add dnsservers name=\"Ethernet\" address=10.1.0.3 index=2",
                             "set address name=\"LAN\" source=dhcp", "popd"});
  EXPECT_EQ(ParseConnectionNames(mixed),
            (Lines{"LAN", "LAN", "LAN 2", "LAN 2", "WLAN", "Ethernet", "LAN"}));
  ExpectSettings(ParseConnectionSettings(mixed, "Ethernet"), false, "10.1.0.5", "255.255.0.0",
                 "10.1.0.1", "", "10.1.0.3");
  // The XP values stay; the newer DHCP line adds its mark.
  ExpectSettings(ParseConnectionSettings(mixed, "LAN"), true, "192.168.1.10", "255.255.255.0",
                 "192.168.1.1", "10.0.0.1", "10.0.0.2");
}

TEST(NetshDump, NothingMatchingGivesEmptySettings) {
  ExpectSettings(ParseConnectionSettings({}, "LAN"), false, "", "", "", "", "");
  ExpectSettings(ParseConnectionSettings(kXpDump, "Bluetooth"), false, "", "", "", "", "");
}

TEST(NetshDump, LinesSplitAtCrLfAndLf) {
  EXPECT_EQ(profiles::DumpLines("a\r\nb\n\r\nc"), (Lines{"a", "b", "", "c"}));
  EXPECT_TRUE(profiles::DumpLines("").empty());
}

TEST(NetshDump, TheDumpBatchWritesIntoTheScriptFile) {
  EXPECT_EQ(profiles::NetshDumpBatchText("C:\\Temp 100%\\"),
            "\"%SystemRoot%\\System32\\netsh.exe\" -c interface dump > "
            "\"C:\\Temp 100%%\\qth_run.txt\"\r\n");
}

}  // namespace
