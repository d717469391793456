#include "system/IcmpStatus.h"

#include "system/IcmpEcho.h"

namespace sys {

namespace {
constexpr std::uint32_t Base = 11000;  // IP_STATUS_BASE
}

IcmpOutcome ClassifyIcmpStatus(std::uint32_t status) {
  switch (status) {
    case 0:  // IP_SUCCESS
      return IcmpOutcome::EchoReply;
    case Base + 2:   // IP_DEST_NET_UNREACHABLE
    case Base + 3:   // IP_DEST_HOST_UNREACHABLE
    case Base + 4:   // IP_DEST_PROT_UNREACHABLE
    case Base + 5:   // IP_DEST_PORT_UNREACHABLE
    case Base + 9:   // IP_PACKET_TOO_BIG (fragmentation needed)
    case Base + 13:  // IP_TTL_EXPIRED_TRANSIT
    case Base + 14:  // IP_TTL_EXPIRED_REASSEM
    case Base + 15:  // IP_PARAM_PROBLEM
    case Base + 16:  // IP_SOURCE_QUENCH
    case Base + 40:  // IP_DEST_UNREACHABLE
    case Base + 41:  // IP_TIME_EXCEEDED
      return IcmpOutcome::NoEcho;
    case Base + 10:  // IP_REQ_TIMED_OUT
      return IcmpOutcome::TimedOut;
    default:
      return IcmpOutcome::Failure;
  }
}

int EchoResultBytes(const std::string& host, std::uint32_t status, bool gotRecord,
                    std::uint32_t dataSize) {
  switch (ClassifyIcmpStatus(status)) {
    case IcmpOutcome::EchoReply:
      // Success without a reply record: the service itself misbehaved.
      if (gotRecord) return IcmpHeaderBytes + static_cast<int>(dataSize);
      break;
    case IcmpOutcome::NoEcho:
    case IcmpOutcome::TimedOut:
      return 0;
    case IcmpOutcome::Failure:
      break;
  }
  throw IcmpError("ICMP echo to " + host + " failed (status " + std::to_string(status) + ")");
}

}  // namespace sys
