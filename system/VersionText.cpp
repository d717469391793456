#include "system/VersionText.h"

namespace sys {

std::string GetFileVersionText(VersionInfo& version, const std::string& path, bool withMajor,
                               bool withMinor, bool withRelease, bool withBuild) {
  auto parts = version.FileVersion(path);
  if (!parts) return "N/A";
  const bool wanted[4] = {withMajor, withMinor, withRelease, withBuild};
  std::string text;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!wanted[i]) continue;
    if (!text.empty()) text += '.';
    text += std::to_string((*parts)[i]);
  }
  return text;
}

}  // namespace sys
