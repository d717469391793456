#include "system/Resources.h"

std::string_view EmbeddedResource(const char* name);  // generated from resources/*.bmp

namespace sys {

std::string_view BuiltinResource(const char* name) { return EmbeddedResource(name); }

}  // namespace sys
