// Placeholder until the in-memory registry lands: a registry in which no key can be opened.
#pragma once
#include "system/Registry.h"

namespace sys {

class FakeRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path, bool create) override;
};

}  // namespace sys
