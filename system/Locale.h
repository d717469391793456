// The user's number format, as the program shows numbers, and names compared as the user
// reads them.
#pragma once
#include <string>

namespace sys {

// The decimal separator of the user's locale (LOCALE_SDECIMAL on Windows); "." where the
// system has no such setting.
std::string DecimalSeparator();

// Whether two texts of the ANSI code page are the same but for letter case, as the user's
// locale pairs its capitals and small letters (lstrcmpiA).
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace sys
