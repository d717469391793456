// A version resource that tests set by hand.
#pragma once
#include <vector>
#include "system/VersionInfo.h"

namespace sys {

class FakeVersionInfo : public VersionInfo {
 public:
  std::optional<std::array<std::uint16_t, 4>> FileVersion(const std::string& path) override;

  // nullopt: the file has no version resource.
  std::optional<std::array<std::uint16_t, 4>> Version = std::array<std::uint16_t, 4>{1, 0, 0, 1};
  std::vector<std::string> Paths;  // every path asked about
};

}  // namespace sys
