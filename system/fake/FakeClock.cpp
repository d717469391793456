#include "system/fake/FakeClock.h"

namespace sys {

void FakeClock::Sleep(unsigned ms) {
  Ticks += ms;
  SleptMs += ms;
  Sleeps.push_back(ms);
  if (OnSleep) OnSleep(ms);
}

}  // namespace sys
