// One ICMP echo request to an IPv4 address.
#pragma once
#include <stdexcept>
#include <string>

namespace sys {

class IcmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class IcmpEcho {
 public:
  virtual ~IcmpEcho() = default;
  // Sends one echo request to host (dotted IPv4 text) and waits up to timeoutMs.
  // Returns the number of bytes received: > 0 when any ICMP reply came (echo reply,
  // destination unreachable, time exceeded), 0 on time-out. Throws IcmpError for a
  // malformed host and for socket or service failures.
  virtual int Ping(const std::string& host, int timeoutMs, int bufferSize) = 0;
};

}  // namespace sys
