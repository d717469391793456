// A discharge period as the program logs it, for the history tests and pictures.
#pragma once
#include <cstdio>
#include <string>

namespace testing_support {

// The charge falls by one percent every step seconds, from one to the other.
inline std::string DischargeLog(int from, int to, int step) {
  std::string text = "Perc[%]\tTime[s]\tTime\r\n";
  for (int p = from, s = 0; p >= to; --p, s += step) {
    char line[64];
    std::snprintf(line, sizeof line, "%03d\t%06d\t%d:%02d:%02d\r\n", p, s, s / 3600, s / 60 % 60,
                  s % 60);
    text += line;
  }
  return text;
}

}  // namespace testing_support
