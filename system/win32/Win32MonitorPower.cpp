#include "system/win32/Win32MonitorPower.h"

#include "system/win32/WinApi.h"

namespace sys {

void Win32MonitorPower::SendMonitorPower(WindowHandle window, int state) {
  SendMessageA(reinterpret_cast<HWND>(window), WM_SYSCOMMAND, SC_MONITORPOWER,
               static_cast<LPARAM>(state));
}

void Win32MonitorPower::MoveMouseInPlace() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;  // relative, by 0 and 0
  SendInput(1, &input, sizeof input);
}

}  // namespace sys
