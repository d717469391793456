// Monitor power through WM_SYSCOMMAND / SC_MONITORPOWER.
#pragma once
#include "system/Types.h"

namespace sys {

class MonitorPower {
 public:
  virtual ~MonitorPower() = default;
  // state: 2 = off, -1 = on. Sent to the given window and not checked.
  virtual void SendMonitorPower(WindowHandle window, int state) = 0;
};

}  // namespace sys
