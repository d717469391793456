// The wildcard rules of FindFirstFile for one path component, so that the native build lists
// the same files as Windows: "*" any run of characters, "?" one character, letters compared
// without regard to case, and a mask ending in ".*" also matching names without a dot.
#pragma once
#include <string>

namespace sys {

bool WildcardMatch(const std::string& mask, const std::string& name);

}  // namespace sys
