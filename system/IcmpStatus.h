// What an IP_STATUS code of the system's ICMP service means for the connection check.
#pragma once
#include <cstdint>
#include <string>

namespace sys {

enum class IcmpOutcome {
  EchoReply,  // the host answered the echo request
  NoEcho,     // an ICMP answer other than an echo reply: unreachable, time exceeded, ...
  TimedOut,   // nothing came back in time
  Failure,    // the request could not be sent or the answer not be read
};

IcmpOutcome ClassifyIcmpStatus(std::uint32_t status);

// Bytes of an echo reply as it came off the wire: IPv4 and ICMP headers plus the echoed data.
constexpr int IcmpHeaderBytes = 20 + 8;

// What IcmpEcho::Ping returns for the service's answer: the reply's bytes for an echo reply,
// 0 for any other answer and for a time-out (the local machine reports "destination host
// unreachable" itself when the router does not answer, so such an answer means nothing was
// reached). Throws IcmpError for a request that failed, naming the host.
int EchoResultBytes(const std::string& host, std::uint32_t status, bool gotRecord,
                    std::uint32_t dataSize);

}  // namespace sys
