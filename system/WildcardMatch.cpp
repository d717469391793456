#include "system/WildcardMatch.h"

#include "system/NoCase.h"

namespace sys {

namespace {

bool Match(const std::string& mask, const std::string& name) {
  std::size_t m = 0, n = 0;
  std::size_t starMask = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || FoldCase(mask[m]) == FoldCase(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::string::npos) {
      // Let the last star swallow one more character and retry from there.
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool WildcardMatch(const std::string& mask, const std::string& name) {
  if (Match(mask, name)) return true;
  // "name.*" also finds "name", and "*.*" finds everything.
  if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0 &&
      name.find('.') == std::string::npos) {
    return Match(mask.substr(0, mask.size() - 2), name);
  }
  return false;
}

}  // namespace sys
