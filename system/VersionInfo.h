// The fixed file version of an executable (GetFileVersionInfo / VerQueryValue).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sys {

class VersionInfo {
 public:
  virtual ~VersionInfo() = default;
  // major, minor, release, build; nullopt when the file has no version resource.
  virtual std::optional<std::array<std::uint16_t, 4>> FileVersion(const std::string& path) = 0;
};

}  // namespace sys
