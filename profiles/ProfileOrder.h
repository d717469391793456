// Reordering the 21 slots of one kind. The order dialog hands back the slot rows in their
// new order; since every row begins with its own slot number, a row names the slot it came
// from. The records, the IP applied marks and the IP profiles' links follow their profiles.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "profiles/ProfileRecords.h"

namespace profiles {

// src[k]: the slot whose profile moves to position k.
using SlotOrder = std::array<int, SlotCount>;

// The order given by reordered, a permutation of rows (compared without regard to letter
// case); none when it is not one, and then nothing is to change.
std::optional<SlotOrder> OrderFromRows(const std::vector<std::string>& rows,
                                       const std::vector<std::string>& reordered);

// The first position the profile of slot moves to; slot itself when it moves nowhere.
int NewPosition(const SlotOrder& src, int slot);

// The IP records and their applied marks.
void ReorderIPProfiles(ProfileTables& tables, const SlotOrder& src);
// The proxy (MAC) records, and every IP profile's proxy (MAC) link rewritten once to the
// new position of the profile it names; a link of -1, or one naming no slot, stays.
void ReorderProxyProfiles(ProfileTables& tables, const SlotOrder& src);
void ReorderMacProfiles(ProfileTables& tables, const SlotOrder& src);

}  // namespace profiles
