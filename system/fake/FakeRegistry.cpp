#include "system/fake/FakeRegistry.h"

namespace sys {

std::unique_ptr<RegistryKey> FakeRegistry::Open(RootKey, const std::string&, bool) {
  return nullptr;
}

}  // namespace sys
