// Whether an IP profile is in force: the comparison with the connection the IP helper
// reports, the words that tell the user, the settling of a DHCP lease over several looks,
// and the places of values in translated messages.
#include <gtest/gtest.h>

#include "i18n/FillIn.h"
#include "i18n/FormLanguage.h"
#include "profiles/IPVerification.h"
#include "system/fake/FakeIpHelper.h"
#include "tests/ProfileSamples.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using profiles::IPCheck;
using profiles::IPDifference;

sys::ConnectionConfig Lan(bool dhcp, std::vector<sys::Ipv4Unicast> addresses,
                          std::vector<std::string> gateways = {},
                          std::vector<std::string> dns = {}) {
  return {"Local Area Connection", dhcp, std::move(addresses), std::move(gateways), std::move(dns)};
}

// The office profile's settings exactly: 10.0.0.5/24, gateway 10.0.0.1, DNS 10.0.0.2, .3.
sys::ConnectionConfig OfficeInForce() {
  return Lan(false, {{"10.0.0.5", 24}}, {"10.0.0.1"}, {"10.0.0.2", "10.0.0.3"});
}

profiles::IPProfileRecord Dhcp(const std::string& connection = "Local Area Connection") {
  return {true, "Home", true, "", "", "", "", "", connection, -1, -1};
}

class IPVerification : public testing::Test {
 protected:
  void SetUp() override { ui::headless::Install(); }
  TFormLanguage texts{nullptr};
  std::string Describe(const IPCheck& check, const profiles::IPProfileRecord& ip) {
    return profiles::DescribeIPCheck(check, ip, texts).Text;
  }
};

TEST_F(IPVerification, AStaticProfileHoldsOnlyWithEveryValue) {
  const auto office = testing_support::OfficeProfile();
  EXPECT_EQ(profiles::CheckIPProfile(office, std::vector{OfficeInForce()}).Result,
            IPCheck::InForce);
  // A second address and blanks typed around the profile's fields change nothing.
  auto padded = office;
  padded.statIP = " 10.0.0.5 ";
  padded.statGate = "10.0.0.1 ";
  auto two = OfficeInForce();
  two.Addresses.insert(two.Addresses.begin(), {"10.0.0.99", 8});
  EXPECT_EQ(profiles::CheckIPProfile(padded, std::vector{two}).Result, IPCheck::InForce);

  struct Case {
    const char* What;
    sys::ConnectionConfig Has;
    IPDifference::Field Field;
    std::string HasValue, Expected;
  };
  auto with = [](auto change) {
    auto c = OfficeInForce();
    change(c);
    return c;
  };
  const Case cases[] = {
      {"address", with([](auto& c) {
         c.Addresses = {{"192.168.1.7", 24}};
       }),
       IPDifference::Address, "192.168.1.7", "10.0.0.5"},
      {"mask", with([](auto& c) { c.Addresses[0].PrefixLength = 16; }), IPDifference::Mask,
       "255.255.0.0", "255.255.255.0"},
      {"gateway", with([](auto& c) { c.Gateways.clear(); }), IPDifference::Gateway, "", "10.0.0.1"},
      {"name servers in the other order", with([](auto& c) {
         c.DnsServers = {"10.0.0.3", "10.0.0.2"};
       }),
       IPDifference::Dns, "10.0.0.3, 10.0.0.2", "10.0.0.2, 10.0.0.3"},
      {"a name server too many", with([](auto& c) { c.DnsServers.push_back("8.8.8.8"); }),
       IPDifference::Dns, "10.0.0.2, 10.0.0.3, 8.8.8.8", "10.0.0.2, 10.0.0.3"},
      // Listed, but another computer holds it, or the check for that never ended.
      {"a duplicate address", with([](auto& c) { c.Addresses[0].Dad = sys::DadState::Duplicate; }),
       IPDifference::Conflict, "10.0.0.5", "10.0.0.5"},
      {"a tentative address", with([](auto& c) { c.Addresses[0].Dad = sys::DadState::Tentative; }),
       IPDifference::Conflict, "10.0.0.5", "10.0.0.5"},
  };
  for (const Case& c : cases) {
    const IPCheck check = profiles::CheckIPProfile(office, std::vector{c.Has});
    EXPECT_EQ(check.Result, IPCheck::Differs) << c.What;
    ASSERT_EQ(check.Differences.size(), 1u) << c.What;
    EXPECT_EQ(check.Differences[0].What, c.Field) << c.What;
    EXPECT_EQ(check.Differences[0].Has, c.HasValue) << c.What;
    EXPECT_EQ(check.Differences[0].Expected, c.Expected) << c.What;
  }
}

TEST_F(IPVerification, AProfileWithoutGatewayOrSecondServerWantsNone) {
  auto office = testing_support::OfficeProfile();
  auto c = OfficeInForce();
  c.Gateways.clear();
  c.DnsServers = {"10.0.0.2"};
  // The editor's "0.0.0.0" and the shell's "none" say "none" too; an address the system
  // could not check (XP) or no longer prefers still holds.
  c.Addresses[0].Dad = sys::DadState::Invalid;
  for (const char* none : {"", "0.0.0.0", " 0.0.0.0", "none", "NONE"}) {
    office.statGate = none;
    office.statDns2 = none;
    EXPECT_EQ(profiles::CheckIPProfile(office, std::vector{c}).Result, IPCheck::InForce) << none;
  }
  c.Addresses[0].Dad = sys::DadState::Deprecated;
  EXPECT_EQ(profiles::CheckIPProfile(office, std::vector{c}).Result, IPCheck::InForce);
  office.statGate = "";
  c.Gateways = {"10.0.0.1"};
  const IPCheck check = profiles::CheckIPProfile(office, std::vector{c});
  ASSERT_EQ(check.Differences.size(), 1u);
  EXPECT_EQ(check.Differences[0].What, IPDifference::Gateway);
  EXPECT_EQ(Describe(check, office),
            "Local Area Connection has gateway 10.0.0.1, expected gateway none");
}

TEST_F(IPVerification, WhatTheUserReadsForEachOutcome) {
  const auto office = testing_support::OfficeProfile();
  // What wine's network shell leaves: the connection as it was, every value different.
  const auto untouched = Lan(true, {{"192.168.1.7", 24}}, {"192.168.1.1"}, {"192.168.1.1"});
  IPCheck check = profiles::CheckIPProfile(office, std::vector{untouched});
  EXPECT_EQ(Describe(check, office),
            "Local Area Connection has DHCP 192.168.1.7, expected 10.0.0.5");
  EXPECT_TRUE(profiles::DescribeIPCheck(check, office, texts).Warning);
  // What does not hold leads the box in place of "was changed"; not knowing does not.
  const std::string notHeld = texts.Message("LabelIPNotHeld");
  EXPECT_EQ(profiles::DescribeIPCheck(check, office, texts).Lead, notHeld);
  EXPECT_EQ(profiles::DescribeIPCheck(
                profiles::CheckIPProfile(Dhcp("Wireless"), std::vector{untouched}), Dhcp(), texts)
                .Lead,
            notHeld);
  EXPECT_EQ(profiles::DescribeIPCheck(profiles::CheckIPProfile(Dhcp(), std::vector{Lan(true, {})}),
                                      Dhcp(), texts)
                .Lead,
            notHeld);
  EXPECT_EQ(
      profiles::DescribeIPCheck(profiles::CheckIPProfile(Dhcp(), std::nullopt), Dhcp(), texts).Lead,
      "");
  EXPECT_EQ(profiles::DescribeIPCheck(profiles::CheckIPProfile(Dhcp(), std::vector{untouched}),
                                      Dhcp(), texts)
                .Lead,
            "");

  auto taken = OfficeInForce();
  taken.Addresses[0].Dad = sys::DadState::Duplicate;
  EXPECT_EQ(Describe(profiles::CheckIPProfile(office, std::vector{taken}), office),
            "Local Area Connection: the address 10.0.0.5 is already in use by another computer "
            "on the network.");

  auto statics = untouched;
  statics.Dhcp = false;
  check = profiles::CheckIPProfile(office, std::vector{statics});
  // The mask is the profile's: no line for it.
  EXPECT_EQ(Describe(check, office),
            "Local Area Connection has 192.168.1.7, expected 10.0.0.5\n"
            "Local Area Connection has gateway 192.168.1.1, expected gateway 10.0.0.1\n"
            "Local Area Connection has DNS 192.168.1.1, expected DNS 10.0.0.2, 10.0.0.3");

  check = profiles::CheckIPProfile(Dhcp(), std::vector{statics});
  EXPECT_EQ(Describe(check, Dhcp()), "Local Area Connection has 192.168.1.7, expected DHCP");
  statics.Addresses.clear();
  check = profiles::CheckIPProfile(Dhcp(), std::vector{statics});
  EXPECT_EQ(Describe(check, Dhcp()), "Local Area Connection has no address, expected DHCP");

  check = profiles::CheckIPProfile(Dhcp("Wireless"), std::vector{untouched});
  EXPECT_EQ(check.Result, IPCheck::NotFound);
  EXPECT_EQ(Describe(check, Dhcp("Wireless")), "The connection Wireless was not found.");
  check = profiles::CheckIPProfile(Dhcp(), std::nullopt);
  EXPECT_EQ(check.Result, IPCheck::NotRead);
  EXPECT_EQ(Describe(check, Dhcp()), texts.Message("LabelIPNotRead"));

  check = profiles::CheckIPProfile(office, std::vector{OfficeInForce()});
  const dialogs::ResultLine line = profiles::DescribeIPCheck(check, office, texts);
  EXPECT_EQ(line.Text, "The settings are in force on Local Area Connection.");
  EXPECT_FALSE(line.Warning);
}

TEST_F(IPVerification, TheConnectionIsFoundByNameWhateverTheLetterCase) {
  auto exact = Lan(true, {{"192.168.1.7", 24}});
  auto other = exact;
  other.Name = "LOCAL AREA CONNECTION";
  other.Dhcp = false;
  // The exact name wins over one that differs in letter case only.
  const std::vector<sys::ConnectionConfig> both{other, exact};
  EXPECT_TRUE(profiles::FindConnection(both, "Local Area Connection")->Dhcp);
  const std::vector<sys::ConnectionConfig> one{other};
  const IPCheck check = profiles::CheckIPProfile(Dhcp("local area connection"), one);
  EXPECT_EQ(check.Connection, "LOCAL AREA CONNECTION");  // named as the system names it
  EXPECT_EQ(check.Result, IPCheck::Differs);
}

TEST_F(IPVerification, MasksOfPrefixes) {
  EXPECT_EQ(profiles::MaskOfPrefix(24), "255.255.255.0");
  EXPECT_EQ(profiles::MaskOfPrefix(20), "255.255.240.0");
  EXPECT_EQ(profiles::MaskOfPrefix(32), "255.255.255.255");
  EXPECT_EQ(profiles::MaskOfPrefix(1), "128.0.0.0");
  EXPECT_EQ(profiles::MaskOfPrefix(0), "0.0.0.0");
}

TEST_F(IPVerification, ALeaseGetsItsLooksAndWhatCannotChangeIsToldAtOnce) {
  sys::FakeIpHelper helper;
  // DHCP is on at once; the lease comes with the third look.
  helper.Now = {Lan(true, {{"169.254.10.20", 16}})};
  helper.OnRead = [&](int read) {
    if (read == 3) helper.Now = {Lan(true, {{"192.168.1.7", 24}})};
  };
  profiles::IPVerification look(Dhcp(), helper, texts, profiles::SettleLooks(Dhcp()));
  EXPECT_FALSE(look());
  EXPECT_FALSE(look());
  auto line = look();
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Text, "The settings are in force on Local Area Connection.");

  // No lease within the looks: said so, as a warning.
  helper.OnRead = nullptr;
  helper.Now = {Lan(true, {})};
  profiles::IPVerification never(Dhcp(), helper, texts, 2);
  EXPECT_FALSE(never());
  line = never();
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Text, "Local Area Connection uses DHCP but has no address yet.");
  EXPECT_TRUE(line->Warning);

  // A static profile that differs is waited for, then reported.
  helper.Now = {Lan(false, {{"192.168.1.7", 24}})};
  const auto office = testing_support::OfficeProfile();
  profiles::IPVerification differs(office, helper, texts, profiles::SettleLooks(office));
  EXPECT_FALSE(differs());
  EXPECT_FALSE(differs());
  line = differs();
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Text.substr(0, line->Text.find('\n')),
            "Local Area Connection has 192.168.1.7, expected 10.0.0.5");

  // Missing connection and a system that does not answer: at the first look.
  profiles::IPVerification missing(Dhcp("Wireless"), helper, texts, 6);
  EXPECT_TRUE(missing());
  helper.Answers = false;
  profiles::IPVerification unread(Dhcp(), helper, texts, 6);
  EXPECT_TRUE(unread());
}

TEST_F(IPVerification, PresentSettingsOfEachConnectionOnce) {
  std::array<profiles::IPProfileRecord, profiles::SlotCount> table{};
  table[0] = testing_support::OfficeProfile();
  table[1] = Dhcp();            // the same connection again
  table[2] = Dhcp("Wireless");  // not there
  table[3] = Dhcp("Unused");
  table[3].Used = false;
  table[4] = Dhcp("VPN & more");
  auto vpn = Lan(false, {});
  vpn.Name = "VPN & more";
  const std::vector<sys::ConnectionConfig> now{Lan(true, {{"192.168.1.7", 24}}), vpn};
  EXPECT_EQ(profiles::PresentSettingsLines(table, now, texts),
            (std::vector<std::string>{"Local Area Connection: DHCP (192.168.1.7)",
                                      "Wireless: not found", "VPN & more: no address"}));
  auto fixed = now;
  fixed[0] = OfficeInForce();
  EXPECT_EQ(profiles::PresentSettingsLines(table, fixed, texts)[0],
            "Local Area Connection: 10.0.0.5");
  EXPECT_TRUE(profiles::PresentSettingsLines(table, std::nullopt, texts).empty());
}

TEST(FillIn, PlacesInAnyOrderAndValuesAsTheyAre) {
  EXPECT_EQ(FillIn("%1 has %2, expected %3", {"LAN", "1.2.3.4", "10.0.0.5"}),
            "LAN has 1.2.3.4, expected 10.0.0.5");
  EXPECT_EQ(FillIn("erwartet %3 statt %2 (%1)", {"a", "b", "c"}), "erwartet c statt b (a)");
  // A value holding a place is not filled in again; other percent signs stay.
  EXPECT_EQ(FillIn("%1 uses %2", {"100%2", "x"}), "100%2 uses x");
  EXPECT_EQ(FillIn("%3 % used, %4", {"a", "b", "17"}), "17 % used, ");
  EXPECT_EQ(FillIn("ends with %", {}), "ends with %");
}

}  // namespace
