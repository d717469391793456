// Letter-case-blind positions of names kept elsewhere (the keys of a settings section):
// open addressing over their indexes, so that reading or copying a file of hundreds of keys
// makes one allocation per table instead of one per name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "system/NoCase.h"

namespace settings {

class NameSlots {
 public:
  static constexpr std::size_t npos = std::size_t(-1);

  // The position of name, or npos; nameOf(i) gives the name at position i.
  template <class NameOf>
  std::size_t Find(std::string_view name, NameOf nameOf) const {
    if (slots_.empty()) return npos;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = sys::NoCaseHash()(name) & mask;; i = (i + 1) & mask) {
      const std::uint32_t slot = slots_[i];
      if (slot == 0) return npos;
      if (sys::EqualNoCase(nameOf(slot - 1), name)) return slot - 1;
    }
  }

  // Notes the name at position count - 1, not present yet, as the last of count names.
  template <class NameOf>
  void Add(std::size_t count, NameOf nameOf) {
    if (count * 2 > slots_.size()) {
      // At most half full, so that every search soon meets a free slot.
      std::size_t size = slots_.empty() ? 8 : slots_.size();
      while (count * 2 > size) size *= 2;
      slots_.assign(size, 0);
      for (std::size_t i = 0; i + 1 < count; ++i) Place(i, nameOf(i));
    }
    Place(count - 1, nameOf(count - 1));
  }

 private:
  void Place(std::size_t pos, std::string_view name) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = sys::NoCaseHash()(name) & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = static_cast<std::uint32_t>(pos + 1);
  }

  std::vector<std::uint32_t> slots_;  // position + 1; 0 is free
};

}  // namespace settings
