// How far one press of a volume hot key moves the level.
#pragma once
#include <algorithm>
#include <cstdint>

#include "system/MasterVolume.h"

// A fixed 100 below level 100, a sixth of the level from there up: the level moves in
// growing steps upward and shrinking steps downward.
constexpr std::uint32_t VolumeStep(std::uint32_t level) { return level >= 100 ? level / 6 : 100; }

// One step up, at least by one, and no further than the maximum.
inline std::uint32_t LevelUp(const sys::VolumeLevel& level) {
  const std::uint32_t v = level.Value;
  // Counted wide: a step past the top of the range stops at the maximum.
  std::uint64_t n = std::uint64_t(v) + VolumeStep(v);
  if (n == v) n = std::uint64_t(v) + 1;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(n, level.Maximum));
}

// One step down, at least by one, and no further than the minimum.
inline std::uint32_t LevelDown(const sys::VolumeLevel& level) {
  const std::uint32_t v = level.Value;
  std::uint32_t n = v - VolumeStep(v);
  if (n == v) n = v - 1;
  // Above v: the step passed below zero.
  if (n < level.Minimum || n > v) n = level.Minimum;
  return n;
}
