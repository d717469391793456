// ICMP echo through the system's ICMP service (IcmpSendEcho).
#pragma once
#include "system/IcmpEcho.h"

namespace sys {

class Win32IcmpEcho : public IcmpEcho {
 public:
  int Ping(const std::string& host, int timeoutMs, int bufferSize) override;
};

}  // namespace sys
