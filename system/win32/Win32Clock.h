// Local time, the system tick and sleeping on the running system.
#pragma once
#include "system/Clock.h"

namespace sys {

class Win32Clock : public Clock {
 public:
  LocalTime Now() override;
  std::uint32_t TickCount() override;
  void Sleep(unsigned ms) override;
};

}  // namespace sys
