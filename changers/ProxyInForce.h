// The proxy settings in force: the current user's Internet settings in the registry, read
// the way the proxy editor's import reads them.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "changers/NetworkAdapters.h"
#include "profiles/ProfileRecords.h"
#include "system/Registry.h"

namespace changers {

// Below HKEY_CURRENT_USER.
inline const char kInternetSettingsKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const char kZoneMapKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";

// A value that must be there is missing; the text names it as the form library's own
// reader does.
class FailedToGetData : public std::runtime_error {
 public:
  explicit FailedToGetData(const std::string& valueName)
      : std::runtime_error("Failed to get data for '" + valueName + "'") {}
};

// "ProxyServer" split at its first colon: the host before it, the port everything after
// it; without a colon the whole text is the host and the port is empty.
struct ProxyServerText {
  std::string Host;
  std::string Port;
};
ProxyServerText SplitProxyServer(const std::string& server);

// The "ProxyServer" text a profile writes: the server, and ":" and the port when it has one.
std::string ProxyServerValue(const std::string& server, const std::string& port);

// Whether the proxy profile is the one in force, given "ProxyEnable" and "ProxyServer": a
// profile that turns the proxy off while the proxy is off; any profile whose server and port
// are the host and port of the text. A server typed in the per-protocol form
// ("http=h:80;ftp=h:21") has colons of its own and is in force while the text is the one it
// wrote.
bool ProxyProfileInForce(const profiles::ProxyProfileRecord& proxy, std::uint32_t enable,
                         const std::string& server);

// A DWORD of the current user's key path: 0 when the key cannot be opened. Throws
// FailedToGetData for a missing value and InvalidDataType for one of another type.
std::uint32_t ReadUserDword(sys::Registry& registry, const std::string& path,
                            const std::string& name);
// A string: empty when the key cannot be opened or the value is missing. Throws
// InvalidDataType for a value that is not a string.
std::string ReadUserString(sys::Registry& registry, const std::string& path,
                           const std::string& name);

}  // namespace changers
