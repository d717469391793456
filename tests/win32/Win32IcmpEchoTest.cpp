#include <gtest/gtest.h>

#include "system/win32/Win32IcmpEcho.h"

namespace {

TEST(Win32IcmpEcho, LoopbackAnswers) {
  sys::Win32IcmpEcho icmp;
  EXPECT_GT(icmp.Ping("127.0.0.1", 1500, 128), 0);
  // A buffer too small for any answer is enlarged rather than failing every check.
  EXPECT_GT(icmp.Ping("127.0.0.1", 1500, 8), 0);
}

TEST(Win32IcmpEcho, MalformedHostThrows) {
  sys::Win32IcmpEcho icmp;
  for (const char* host : {"", "127.0.0", "127.0.0.256", "localhost", "127.0.0.1 "})
    EXPECT_THROW(icmp.Ping(host, 1500, 128), sys::IcmpError) << '"' << host << '"';
}

}  // namespace
