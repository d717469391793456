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

inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// A hash that agrees with EqualNoCase: a lookup folds as it goes instead of making a folded
// copy of the name.
struct NoCaseHash {
  std::size_t operator()(std::string_view s) const noexcept {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (char c : s) h = (h ^ static_cast<unsigned char>(FoldCase(c))) * 16777619u;
    return h;
  }
};

}  // namespace sys
