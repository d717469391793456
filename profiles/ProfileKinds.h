// The three kinds of profile and the names of the menu items and switcher buttons that stand
// for their slots: a prefix and the slot's two digits (mnuIP07, btnPX03, mnuMAC12). The
// handler that serves a whole family reads the slot back from the name.
#pragma once
#include <array>
#include <string>

namespace profiles {

enum class ProfileKind { IP, Proxy, Mac };
constexpr std::array<ProfileKind, 3> kProfileKinds{ProfileKind::IP, ProfileKind::Proxy,
                                                   ProfileKind::Mac};
constexpr std::size_t KindIndex(ProfileKind kind) { return static_cast<std::size_t>(kind); }

struct KindNames {
  const char* MenuPrefix;      // "mnuIP", "mnuPX", "mnuMAC"
  const char* ButtonPrefix;    // "btnIP", "btnPX", "btnMAC"
  std::size_t SlotPosition;    // where the two digits start in either name, counted from 1
  const char* BuiltinCaption;  // the menu items 00-09 are designed with this and their digit
  int ButtonTag;               // the switcher's buttons tell their kind by it
};

const KindNames& NamesOf(ProfileKind kind);
// prefix + the slot with two digits: SlotName("mnuIP", 7) = "mnuIP07".
std::string SlotName(const std::string& prefix, int slot);
// The two characters at position (counted from 1) as a decimal number; 0 when they are
// not one, so a name without its digits stands for slot 0.
int SlotFromName(const std::string& name, std::size_t position);

}  // namespace profiles
