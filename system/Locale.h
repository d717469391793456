// The user's number format, as the program shows numbers.
#pragma once
#include <string>

namespace sys {

// The decimal separator of the user's locale (LOCALE_SDECIMAL on Windows); "." where the
// system has no such setting.
std::string DecimalSeparator();

}  // namespace sys
