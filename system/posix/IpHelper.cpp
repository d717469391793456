#include "system/IpHelper.h"

namespace sys {

namespace {

// The native build has no Windows network connections to ask about.
class NoIpHelper : public IpHelper {
 public:
  std::optional<std::vector<ConnectionConfig>> Connections() override { return std::nullopt; }
};

}  // namespace

IpHelper& SystemIpHelper() {
  static NoIpHelper none;
  return none;
}

}  // namespace sys
