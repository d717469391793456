// What an IP_STATUS code of the system's ICMP service means for the connection check.
#pragma once
#include <cstdint>

namespace sys {

enum class IcmpOutcome {
  Reply,     // some ICMP answer came back: echo reply, unreachable, time exceeded, ...
  TimedOut,  // nothing came back in time
  Failure,   // the request could not be sent or the answer not be read
};

IcmpOutcome ClassifyIcmpStatus(std::uint32_t status);

// Bytes of an answer as it came off the wire: IPv4 and ICMP headers plus the echoed data.
// Error answers quote the original IPv4 header and the first 8 bytes of the request.
constexpr int IcmpHeaderBytes = 20 + 8;
constexpr int IcmpErrorReplyBytes = IcmpHeaderBytes + IcmpHeaderBytes;

}  // namespace sys
