// One ICMP echo request to an IPv4 address.
#pragma once
#include <string>

#include "system/Error.h"

namespace sys {

class IcmpError : public Error {
 public:
  using Error::Error;
};

class IcmpEcho {
 public:
  virtual ~IcmpEcho() = default;
  // Sends one echo request to host (dotted IPv4 text) and waits up to timeoutMs.
  // Returns the number of bytes of the echo reply, > 0 only when the host answered; 0 on
  // time-out and for any other answer (destination unreachable, time exceeded). Throws
  // IcmpError for a malformed host and for socket or service failures.
  virtual int Ping(const std::string& host, int timeoutMs, int bufferSize) = 0;
};

}  // namespace sys
