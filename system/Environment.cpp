#include "system/Environment.h"

namespace sys {

namespace {
std::string::size_type LastSeparator(const std::string& path) { return path.find_last_of("\\/:"); }
}  // namespace

std::string DirectoryOf(const std::string& path) {
  auto pos = LastSeparator(path);
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  auto sep = LastSeparator(path);
  auto dot = path.rfind('.');
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return path + ext;
  return path.substr(0, dot) + ext;
}

}  // namespace sys
