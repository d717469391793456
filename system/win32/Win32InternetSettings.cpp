#include "system/win32/Win32InternetSettings.h"

#include "system/win32/LazyLibrary.h"
#include "system/win32/WinApi.h"
#include <wininet.h>

namespace sys {

namespace {
LazyLibrary wininet("wininet.dll");
}

bool Win32InternetSettings::NotifyChanged() {
  auto setOption = wininet.Get<decltype(InternetSetOptionA)>("InternetSetOptionA");
  if (!setOption) return false;
  // Both calls run even when the first fails: the refresh alone still helps.
  const bool changed = setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0) != FALSE;
  const bool refreshed = setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0) != FALSE;
  return changed && refreshed;
}

}  // namespace sys
