// Records the monitor power requests instead of sending them.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>
#include "system/MonitorPower.h"

namespace sys {

class FakeMonitorPower : public MonitorPower {
 public:
  void SendMonitorPower(WindowHandle window, int state) override;
  void MoveMouseInPlace() override { MouseMoves.push_back(Calls.size()); }

  std::vector<std::pair<WindowHandle, int>> Calls;  // (window, state)
  std::vector<std::size_t> MouseMoves;  // each as the number of power requests before it
};

}  // namespace sys
