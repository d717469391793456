// Local time, a millisecond tick and sleeping.
#pragma once
#include <cstdint>

namespace sys {

struct LocalTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(unsigned ms) = 0;
};

}  // namespace sys
