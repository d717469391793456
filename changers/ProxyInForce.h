// The proxy settings in force: the current user's Internet settings in the registry, read
// the way the proxy editor's import reads them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "changers/NetworkAdapters.h"
#include "profiles/ProfileRecords.h"
#include "system/Error.h"
#include "system/Registry.h"

namespace changers {

// Below HKEY_CURRENT_USER.
inline const char kInternetSettingsKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const char kZoneMapKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";

// A value that must be there is missing; the text names it as the form library's own
// reader does.
class FailedToGetData : public sys::Error {
 public:
  explicit FailedToGetData(const std::string& valueName)
      : sys::Error("Failed to get data for '" + valueName + "'") {}
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

// Whether "<local>" is in a "ProxyOverride" list: the bypass for local addresses that
// browsers and WinINet honour ("ProxyByPass" of the zone map is the intranet zone's flag).
// Entries are separated by semicolons or blanks; the letter case does not matter.
bool HasLocalBypass(const std::string& overrideList);
// The list with "<local>" added at its end or taken out, the user's other entries kept in
// their order; unchanged when it already says so.
std::string WithLocalBypass(const std::string& overrideList, bool bypass);

// Whether the proxy profile is the one in force, given "ProxyEnable", "ProxyServer" and the
// local bypass: a profile that turns the proxy off while the proxy is off; any profile whose
// server and port are the host and port of the text and whose bypass is the one in force. A
// server typed in the per-protocol form ("http=h:80;ftp=h:21") has colons of its own and is
// in force while the text is the one it wrote.
bool ProxyProfileInForce(const profiles::ProxyProfileRecord& proxy, std::uint32_t enable,
                         const std::string& server, bool bypass);

// "ProxyOverride" of the Internet settings; nullopt when the key or the value is missing.
// Throws InvalidDataType for a value that is not a string.
std::optional<std::string> ReadProxyOverride(sys::Registry& registry);
// Whether local addresses bypass the proxy now: "<local>" in "ProxyOverride" where that value
// is there, otherwise "ProxyByPass" (off when missing). Throws InvalidDataType for a value of
// another kind.
bool LocalBypassInForce(sys::Registry& registry);

// A DWORD of the current user's key path: 0 when the key cannot be opened. Throws
// FailedToGetData for a missing value and InvalidDataType for one of another type.
std::uint32_t ReadUserDword(sys::Registry& registry, const std::string& path,
                            const std::string& name);
// A string: empty when the key cannot be opened or the value is missing. Throws
// InvalidDataType for a value that is not a string.
std::string ReadUserString(sys::Registry& registry, const std::string& path,
                           const std::string& name);

}  // namespace changers
