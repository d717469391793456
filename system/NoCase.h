// Letter-case-blind comparison of 8-bit names (registry keys, INI sections and keys). Only
// the ASCII letters are folded, which covers every name the program itself uses.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace sys {

inline char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline std::string FoldCase(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = FoldCase(c);
  return out;
}

// Through plain pointers: every settings lookup runs this loop, and the sanitizer build
// calls each member function it would otherwise use once per character.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const char* p = a.data();
  const char* q = b.data();
  for (const char* end = p + a.size(); p != end; ++p, ++q) {
    if (FoldCase(*p) != FoldCase(*q)) return false;
  }
  return true;
}

// A hash that agrees with EqualNoCase: a lookup folds as it goes instead of making a folded
// copy of the name.
struct NoCaseHash {
  std::size_t operator()(std::string_view s) const noexcept {
    std::uint32_t h = 2166136261u;  // FNV-1a
    const char* end = s.data() + s.size();
    for (const char* p = s.data(); p != end; ++p)
      h = (h ^ static_cast<unsigned char>(FoldCase(*p))) * 16777619u;
    return h;
  }
};

}  // namespace sys
