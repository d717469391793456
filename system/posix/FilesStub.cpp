// Temporary until the file adapter lands.
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
