// The connections a test sets up; it may change them between reads (a DHCP lease that takes
// a few reads to arrive) or make the system refuse to answer.
#pragma once
#include <functional>
#include "system/IpHelper.h"

namespace sys {

class FakeIpHelper : public IpHelper {
 public:
  std::optional<std::vector<ConnectionConfig>> Connections() override {
    ++Reads;
    if (OnRead) OnRead(Reads);
    if (!Answers) return std::nullopt;
    return Now;
  }

  std::vector<ConnectionConfig> Now;
  bool Answers = true;
  int Reads = 0;
  // Runs before each read is answered, with the number of that read (1 for the first).
  std::function<void(int read)> OnRead;
};

}  // namespace sys
