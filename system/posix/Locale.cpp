#include "system/Locale.h"

namespace sys {

// The native build stands in for Windows without its user locale: the invariant separator.
std::string DecimalSeparator() { return "."; }

}  // namespace sys
