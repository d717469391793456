// The Internet settings a proxy profile writes, as they were before the write: put
// back when the change they belong to does not happen after all (the user declined the
// rights the network shell needs).
#pragma once
#include <array>
#include <optional>

#include "system/Registry.h"

namespace changers {

class ProxyBackup {
 public:
  // "ProxyEnable", "ProxyByPass", "ProxyServer" and "ProxyOverride" of the current user, each
  // as it is now
  // (absent ones too).
  static ProxyBackup Take(sys::Registry& registry);
  // Writes back what was there and deletes what was not; false when one of them could not
  // be put back.
  bool Restore(sys::Registry& registry) const;

 private:
  std::array<std::optional<sys::RegistryValue>, 4> values_{};
};

}  // namespace changers
