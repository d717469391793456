#include "settings/NameSlots.h"

#include "system/NoCase.h"

namespace settings {

std::size_t NameSlots::Find(std::string_view name, NameOf nameOf, const void* owner) const {
  if (slots_.empty()) return npos;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = sys::NoCaseHash()(name) & mask;; i = (i + 1) & mask) {
    const std::uint32_t slot = slots_[i];
    if (slot == 0) return npos;
    if (sys::EqualNoCase(nameOf(owner, slot - 1), name)) return slot - 1;
  }
}

void NameSlots::Add(std::size_t count, NameOf nameOf, const void* owner) {
  if (count * 2 > slots_.size()) {
    // At most half full, so that every search soon meets a free slot; a profile's keys fit
    // the first size.
    std::size_t size = slots_.empty() ? 32 : slots_.size();
    while (count * 2 > size) size *= 2;
    slots_.assign(size, 0);
    for (std::size_t i = 0; i + 1 < count; ++i) Place(i, nameOf(owner, i));
  }
  Place(count - 1, nameOf(owner, count - 1));
}

void NameSlots::Place(std::size_t pos, std::string_view name) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = sys::NoCaseHash()(name) & mask;
  while (slots_[i] != 0) i = (i + 1) & mask;
  slots_[i] = static_cast<std::uint32_t>(pos + 1);
}

}  // namespace settings
