#include "system/win32/Win32MonitorPower.h"

#include "system/win32/WinApi.h"

namespace sys {

void Win32MonitorPower::SendMonitorPower(WindowHandle window, int state) {
  SendMessageA(reinterpret_cast<HWND>(window), WM_SYSCOMMAND, SC_MONITORPOWER,
               static_cast<LPARAM>(state));
}

}  // namespace sys
