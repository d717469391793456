// A clock that moves only when told to: Sleep advances the tick count instead of waiting.
#pragma once
#include <functional>
#include <vector>
#include "system/Clock.h"

namespace sys {

class FakeClock : public Clock {
 public:
  LocalTime Now() override { return Local; }
  std::uint32_t TickCount() override { return Ticks; }
  void Sleep(unsigned ms) override;

  LocalTime Local{2008, 1, 5, 14, 30, 12};
  std::uint32_t Ticks = 1000000;  // wraps like the real tick after 49.7 days
  std::uint64_t SleptMs = 0;      // total of all sleeps
  std::vector<unsigned> Sleeps;   // every sleep in order
  std::function<void(unsigned)> OnSleep;
};

}  // namespace sys
