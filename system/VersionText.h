// The program's version as text, taken from the executable's fixed file version.
#pragma once
#include <string>

#include "system/VersionInfo.h"

namespace sys {

// The chosen parts in the order major, minor, release, build, in decimal and joined by ".";
// "N/A" when the file has no version information (and "" when no part is chosen).
std::string GetFileVersionText(VersionInfo& version, const std::string& path, bool withMajor,
                               bool withMinor, bool withRelease, bool withBuild);

}  // namespace sys
