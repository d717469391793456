// Monitor power of the running system.
#pragma once
#include "system/MonitorPower.h"

namespace sys {

class Win32MonitorPower : public MonitorPower {
 public:
  void SendMonitorPower(WindowHandle window, int state) override;
  void MoveMouseInPlace() override;
};

}  // namespace sys
