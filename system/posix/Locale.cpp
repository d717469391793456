#include "system/Locale.h"

namespace sys {

// The native build stands in for Windows without its user locale: the invariant separator.
std::string DecimalSeparator() { return "."; }

namespace {

// Windows-1252's letters: ASCII, and the accented capitals 0xC0-0xDE (but 0xD7) with their
// small letters 0x20 above.
unsigned char Folded(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  return c;
}

}  // namespace

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Folded(static_cast<unsigned char>(a[i])) != Folded(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace sys
