#include <gtest/gtest.h>

#include <cstring>
#include <string>

#ifdef _WIN32
#include "tests/win32/Screenshot.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // --screenshot=<path>: save the whole screen as a PNG and run no tests (scripts/run).
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--screenshot=", 13) == 0)
      return screenshot::SaveScreenPng(argv[i] + 13) ? 0 : 1;
  }
#endif
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
