// Letter-case-blind comparison of 8-bit names (registry keys, INI sections and keys). Only
// the ASCII letters are folded, which covers every name the program itself uses.
#pragma once
#include <string>

namespace sys {

inline char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline std::string FoldCase(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = FoldCase(c);
  return out;
}

inline bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace sys
