#include "profiles/ProfileKinds.h"

#include "settings/IntegerText.h"

namespace profiles {

const KindNames& NamesOf(ProfileKind kind) {
  static const KindNames names[] = {
      {"mnuIP", "btnIP", 6, "Set IP  ", 10},
      {"mnuPX", "btnPX", 6, "Set Proxy ", 20},
      {"mnuMAC", "btnMAC", 7, "mnuMAC", 30},
  };
  return names[KindIndex(kind)];
}

std::string SlotName(const std::string& prefix, int slot) {
  return prefix + static_cast<char>('0' + slot / 10) + static_cast<char>('0' + slot % 10);
}

int SlotFromName(const std::string& name, std::size_t position) {
  if (position == 0 || position > name.size()) return 0;
  const std::string digits = name.substr(position - 1, 2);
  // Only plain digits: a sign or a hexadecimal prefix is no slot number.
  for (char c : digits)
    if (c < '0' || c > '9') return 0;
  return settings::IntOrDefault(digits, 0);
}

}  // namespace profiles
