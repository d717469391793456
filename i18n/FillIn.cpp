#include "i18n/FillIn.h"

#include <vector>

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values) {
  const std::vector<std::string> all(values);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9') {
      const std::size_t index = std::size_t(next - '1');
      if (index < all.size()) out += all[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}
