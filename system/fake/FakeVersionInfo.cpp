#include "system/fake/FakeVersionInfo.h"

namespace sys {

std::optional<std::array<std::uint16_t, 4>> FakeVersionInfo::FileVersion(const std::string& path) {
  Paths.push_back(path);
  return Version;
}

}  // namespace sys
