#include "system/Locale.h"

#include "system/win32/WinApi.h"

namespace sys {

std::string DecimalSeparator() {
  char text[8] = {};
  // The setting is at most three characters; an empty or failed answer means the default.
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text);
  if (length <= 1) return ".";
  return std::string(text, std::size_t(length - 1));
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  // lstrcmpiA compares in the user's locale as CompareStringA with NORM_IGNORECASE does.
  return a.size() == b.size() && lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace sys
