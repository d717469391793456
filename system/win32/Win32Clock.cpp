#include "system/win32/Win32Clock.h"

#include "system/win32/WinApi.h"

namespace sys {

LocalTime Win32Clock::Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  LocalTime now;
  now.Year = time.wYear;
  now.Month = time.wMonth;
  now.Day = time.wDay;
  now.Hour = time.wHour;
  now.Minute = time.wMinute;
  now.Second = time.wSecond;
  return now;
}

std::uint32_t Win32Clock::TickCount() { return GetTickCount(); }

void Win32Clock::Sleep(unsigned ms) { ::Sleep(ms); }

}  // namespace sys
