// The fixed file version from an executable's version resource.
#pragma once
#include "system/VersionInfo.h"

namespace sys {

class Win32VersionInfo : public VersionInfo {
 public:
  std::optional<std::array<std::uint16_t, 4>> FileVersion(const std::string& path) override;
};

}  // namespace sys
