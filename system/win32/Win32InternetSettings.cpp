#include "system/win32/Win32InternetSettings.h"

#include "system/win32/WinApi.h"
#include <wininet.h>

namespace sys {

bool Win32InternetSettings::NotifyChanged() {
  // Both calls run even when the first fails: the refresh alone still helps.
  const bool changed =
      InternetSetOptionA(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0) != FALSE;
  const bool refreshed = InternetSetOptionA(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0) != FALSE;
  return changed && refreshed;
}

}  // namespace sys
