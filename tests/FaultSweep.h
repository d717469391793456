// Fails every step of a file-changing action in turn: for n = 1, 2, ... the action runs from
// the same starting state with its n-th step failing, until it takes fewer than n steps.
// After each run the check sees which step failed. The number of steps failed (the
// injection points covered) is printed and returned.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "system/fake/FaultyFileLayer.h"

namespace testing_support {

struct FaultSweep {
  sys::FaultyFileLayer& Faults;
  std::string What;  // named in the printed count

  int Run(const std::function<void()>& prepare, const std::function<void()>& act,
          const std::function<void(const sys::FaultyFileLayer::Step& failed)>& check) {
    int points = 0;
    for (int n = 1; n < 500; ++n) {
      Faults.FailAt(0);
      prepare();
      Faults.FailAt(n);
      act();
      const bool injected = Faults.Injected();
      const sys::FaultyFileLayer::Step failed =
          injected ? Faults.Steps()[std::size_t(n - 1)] : sys::FaultyFileLayer::Step{};
      Faults.FailAt(0);
      if (!injected) break;
      ++points;
      SCOPED_TRACE(What + ", step " + std::to_string(n) + " (" + sys::FileOpName(failed.Op) + " " +
                   failed.Path + ") failed");
      check(failed);
      if (testing::Test::HasFailure()) break;
    }
    std::printf("[ faults   ] %s: %d injection points\n", What.c_str(), points);
    return points;
  }
};

}  // namespace testing_support
