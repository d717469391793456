// Stand-in until the registry adapter lands: a registry in which no key can be opened.
#include "system/Win32Platform.h"

namespace sys {

namespace {
class NoRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RootKey, const std::string&, bool) override { return nullptr; }
};
}  // namespace

std::unique_ptr<Registry> CreateWin32Registry() { return std::make_unique<NoRegistry>(); }

}  // namespace sys
