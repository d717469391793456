// What the fuzz targets share: the input as text, and a check that stops the run (and so
// makes libFuzzer keep the input) when a property does not hold.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Reports a broken property and aborts, which libFuzzer counts as a crash.
[[noreturn]] inline void Fail(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.c_str());
  std::abort();
}

inline void Check(bool holds, const char* what, const std::string& detail = {}) {
  if (!holds) Fail(what, detail);
}

}  // namespace fuzz
