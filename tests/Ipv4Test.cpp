#include <gtest/gtest.h>

#include "system/IcmpEcho.h"
#include "system/IcmpStatus.h"
#include "system/Ipv4.h"

namespace {

using Bytes = std::array<std::uint8_t, 4>;

TEST(Ipv4, ParsesDottedQuads) {
  EXPECT_EQ(sys::ParseIPv4("192.168.0.1"), (Bytes{192, 168, 0, 1}));
  EXPECT_EQ(sys::ParseIPv4("0.0.0.0"), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(sys::ParseIPv4("255.255.255.255"), (Bytes{255, 255, 255, 255}));
  // Leading zeros are decimal, not octal as in inet_addr.
  EXPECT_EQ(sys::ParseIPv4("010.001.000.009"), (Bytes{10, 1, 0, 9}));
}

TEST(Ipv4, RejectsEverythingElse) {
  for (const char* text :
       {"", ".", "1.2.3", "1.2.3.4.", "1.2.3.4.5", "10.1", "256.0.0.1", "1.2.3.1000", "0001.2.3.4",
        "1..2.3", " 1.2.3.4", "1.2.3.4 ", "+1.2.3.4", "-1.2.3.4", "1.2.3.a", "0x7f.0.0.1",
        "localhost", "1,2,3,4", "99999999999.1.1.1"})
    EXPECT_FALSE(sys::ParseIPv4(text)) << '"' << text << '"';
  EXPECT_FALSE(sys::ParseIPv4(std::string("1.2.3.4\0", 8)));
}

TEST(IcmpStatus, OnlyTheEchoReplyIsAnAnswer) {
  using sys::IcmpOutcome;
  EXPECT_EQ(sys::ClassifyIcmpStatus(0), IcmpOutcome::EchoReply);
  EXPECT_EQ(sys::ClassifyIcmpStatus(11002), IcmpOutcome::NoEcho);  // net unreachable
  EXPECT_EQ(sys::ClassifyIcmpStatus(11003), IcmpOutcome::NoEcho);  // host unreachable
  EXPECT_EQ(sys::ClassifyIcmpStatus(11005), IcmpOutcome::NoEcho);  // port unreachable
  EXPECT_EQ(sys::ClassifyIcmpStatus(11013), IcmpOutcome::NoEcho);  // TTL expired in transit
  EXPECT_EQ(sys::ClassifyIcmpStatus(11010), IcmpOutcome::TimedOut);
  EXPECT_EQ(sys::ClassifyIcmpStatus(11001), IcmpOutcome::Failure);  // buffer too small
  EXPECT_EQ(sys::ClassifyIcmpStatus(11012), IcmpOutcome::Failure);  // no route: nothing sent
  EXPECT_EQ(sys::ClassifyIcmpStatus(11050), IcmpOutcome::Failure);  // general failure
  EXPECT_EQ(sys::ClassifyIcmpStatus(87), IcmpOutcome::Failure);     // ERROR_INVALID_PARAMETER

  // What the check is told: bytes only for an echo reply.
  EXPECT_EQ(sys::EchoResultBytes("10.0.0.1", 0, true, 32), 60);
  EXPECT_EQ(sys::EchoResultBytes("10.0.0.1", 11003, true, 0), 0);
  EXPECT_EQ(sys::EchoResultBytes("10.0.0.1", 11003, false, 0), 0);
  EXPECT_EQ(sys::EchoResultBytes("10.0.0.1", 11010, false, 0), 0);
  EXPECT_THROW(sys::EchoResultBytes("10.0.0.1", 0, false, 0), sys::IcmpError);
  EXPECT_THROW(sys::EchoResultBytes("10.0.0.1", 11050, false, 0), sys::IcmpError);
}

}  // namespace
