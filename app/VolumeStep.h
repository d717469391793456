// How far one press of a volume hot key moves the level.
#pragma once
#include <cstdint>

// A fixed 100 below level 100, a sixth of the level from there up: the level moves in
// growing steps upward and shrinking steps downward.
constexpr std::uint32_t VolumeStep(std::uint32_t level) { return level >= 100 ? level / 6 : 100; }
