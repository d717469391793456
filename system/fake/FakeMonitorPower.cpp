#include "system/fake/FakeMonitorPower.h"

namespace sys {

void FakeMonitorPower::SendMonitorPower(WindowHandle window, int state) {
  Calls.emplace_back(window, state);
}

}  // namespace sys
