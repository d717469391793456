// Letter-case-blind positions of names kept elsewhere (the keys of a settings section):
// open addressing over their indexes, so that reading or copying a file of hundreds of keys
// makes one allocation per table instead of one per name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

class NameSlots {
 public:
  static constexpr std::size_t npos = std::size_t(-1);
  // The name at position i of the owner's list.
  using NameOf = const std::string& (*)(const void* owner, std::size_t i);

  // The position of name, or npos.
  std::size_t Find(std::string_view name, NameOf nameOf, const void* owner) const;
  // Notes the name at position count - 1, not present yet, as the last of count names.
  void Add(std::size_t count, NameOf nameOf, const void* owner);

 private:
  void Place(std::size_t pos, std::string_view name);

  std::vector<std::uint32_t> slots_;  // position + 1; 0 is free
};

}  // namespace settings
