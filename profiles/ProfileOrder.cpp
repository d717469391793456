#include "profiles/ProfileOrder.h"

#include <algorithm>
#include <cstdint>

#include "ui/Component.h"

namespace profiles {

namespace {

template <class T>
void Permute(std::array<T, SlotCount>& items, const SlotOrder& src) {
  const std::array<T, SlotCount> old = items;
  for (std::size_t k = 0; k < items.size(); ++k) items[k] = old[std::size_t(src[k])];
}

void RewriteLinks(ProfileTables& tables, std::int32_t IPProfileRecord::*link,
                  const SlotOrder& src) {
  for (IPProfileRecord& ip : tables.IPProfiles) {
    auto at = std::find(src.begin(), src.end(), ip.*link);
    // -1 (no link) is no slot: it is never found.
    if (at != src.end()) ip.*link = std::int32_t(at - src.begin());
  }
}

}  // namespace

std::optional<SlotOrder> OrderFromRows(const std::vector<std::string>& rows,
                                       const std::vector<std::string>& reordered) {
  if (rows.size() != std::size_t(SlotCount) || reordered.size() != rows.size()) return std::nullopt;
  SlotOrder src{};
  std::array<bool, SlotCount> taken{};
  for (std::size_t k = 0; k < reordered.size(); ++k) {
    auto at = std::find_if(rows.begin(), rows.end(),
                           [&](const std::string& row) { return ui::SameText(row, reordered[k]); });
    if (at == rows.end()) return std::nullopt;
    const std::size_t from = std::size_t(at - rows.begin());
    if (taken[from]) return std::nullopt;
    taken[from] = true;
    src[k] = int(from);
  }
  return src;
}

int NewPosition(const SlotOrder& src, int slot) {
  auto at = std::find(src.begin(), src.end(), slot);
  return at == src.end() ? slot : int(at - src.begin());
}

void ReorderIPProfiles(ProfileTables& tables, const SlotOrder& src) {
  Permute(tables.AppliedMarks, src);
  Permute(tables.IPProfiles, src);
}

void ReorderProxyProfiles(ProfileTables& tables, const SlotOrder& src) {
  RewriteLinks(tables, &IPProfileRecord::ProxyProfile, src);
  Permute(tables.ProxyProfiles, src);
}

void ReorderMacProfiles(ProfileTables& tables, const SlotOrder& src) {
  RewriteLinks(tables, &IPProfileRecord::MacProfile, src);
  Permute(tables.MacProfiles, src);
}

}  // namespace profiles
