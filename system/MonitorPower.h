// Monitor power through WM_SYSCOMMAND / SC_MONITORPOWER, and the input that wakes a display.
#pragma once
#include "system/Types.h"

namespace sys {

class MonitorPower {
 public:
  virtual ~MonitorPower() = default;
  // state: 2 = off, -1 = on. Sent to the given window and not checked.
  virtual void SendMonitorPower(WindowHandle window, int state) = 0;
  // One mouse movement of zero distance (SendInput): the display wakes as for any input,
  // where SC_MONITORPOWER with -1 no longer turns it on (Windows 8 and later).
  virtual void MoveMouseInPlace() = 0;
};

}  // namespace sys
