// The running system's IP helper: the IPv4 side of every connection, from
// GetAdaptersAddresses (with GetAdaptersInfo for what Windows XP's records lack).
#pragma once
#include "system/IpHelper.h"

namespace sys {

class Win32IpHelper : public IpHelper {
 public:
  std::optional<std::vector<ConnectionConfig>> Connections() override;
};

}  // namespace sys
