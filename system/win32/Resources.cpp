#include "system/Resources.h"

#include <windows.h>

namespace sys {

std::string_view BuiltinResource(const char* name) {
  HRSRC res = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!res) return {};
  HGLOBAL data = LoadResource(nullptr, res);
  if (!data) return {};
  // Resources stay mapped for the life of the module; nothing to free.
  return {static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, res)};
}

}  // namespace sys
