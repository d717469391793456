// Temporary until the Windows file adapter lands: what the form library needs to load
// pictures (the same stream read as the native stub).
#include <fstream>
#include <sstream>

#include "system/Files.h"

namespace sys::files {
std::optional<std::string> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace sys::files
