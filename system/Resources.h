// The built-in pictures compiled into the program (resources/*.bmp, by upper-case base name).
#pragma once
#include <string_view>

namespace sys {

// The file's bytes; empty when there is no such resource.
std::string_view BuiltinResource(const char* name);

}  // namespace sys
