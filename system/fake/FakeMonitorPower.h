// Records the monitor power requests instead of sending them.
#pragma once
#include <utility>
#include <vector>
#include "system/MonitorPower.h"

namespace sys {

class FakeMonitorPower : public MonitorPower {
 public:
  void SendMonitorPower(WindowHandle window, int state) override;

  std::vector<std::pair<WindowHandle, int>> Calls;  // (window, state)
};

}  // namespace sys
