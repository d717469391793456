// Text written in the Central European ANSI code page (Windows-1250), as UTF-16 for the
// wide-character windows: shown through the system's own code page it would lose its
// letters on any other system ("Uzupe³nij" on a Western one).
#pragma once
#include <string>

namespace i18n {

// Every byte has a character; the five that Windows-1250 leaves unassigned map to the
// control characters of the same number, as the system's own conversion does.
std::u16string WideFromWindows1250(const std::string& text);

}  // namespace i18n
