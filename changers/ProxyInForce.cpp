#include "changers/ProxyInForce.h"

#include "system/NoCase.h"

namespace changers {

ProxyServerText SplitProxyServer(const std::string& server) {
  const std::size_t colon = server.find(':');
  if (colon == std::string::npos) return {server, ""};
  return {server.substr(0, colon), server.substr(colon + 1)};
}

std::string ProxyServerValue(const std::string& server, const std::string& port) {
  return port.empty() ? server : server + ":" + port;
}

namespace {

const char kLocal[] = "<local>";
const char kSeparators[] = "; \t";

// Calls visit(entry) for each entry of the list, in order.
template <class Visit>
void ForEachEntry(const std::string& list, Visit visit) {
  for (std::size_t at = list.find_first_not_of(kSeparators); at != std::string::npos;) {
    const std::size_t end = list.find_first_of(kSeparators, at);
    visit(list.substr(at, end - at));
    at = list.find_first_not_of(kSeparators, end);
  }
}

}  // namespace

bool HasLocalBypass(const std::string& overrideList) {
  bool found = false;
  ForEachEntry(overrideList,
               [&](const std::string& entry) { found = found || sys::EqualNoCase(entry, kLocal); });
  return found;
}

std::string WithLocalBypass(const std::string& overrideList, bool bypass) {
  if (HasLocalBypass(overrideList) == bypass) return overrideList;
  if (bypass) return overrideList.empty() ? kLocal : overrideList + ";" + kLocal;
  std::string kept;
  ForEachEntry(overrideList, [&](const std::string& entry) {
    if (!sys::EqualNoCase(entry, kLocal)) kept += (kept.empty() ? "" : ";") + entry;
  });
  return kept;
}

bool ProxyProfileInForce(const profiles::ProxyProfileRecord& proxy, std::uint32_t enable,
                         const std::string& server, bool bypass) {
  if (!proxy.Used) return false;
  if (!proxy.UseProxyServer && enable == 0) return true;
  if (proxy.BypassProxyLCon != bypass) return false;
  const ProxyServerText live = SplitProxyServer(server);
  if (proxy.ProxyServer == live.Host && proxy.ProxyServerPort == live.Port) return true;
  // A server with a colon of its own never equals the host before the first colon.
  return server == ProxyServerValue(proxy.ProxyServer, proxy.ProxyServerPort);
}

std::uint32_t ReadUserDword(sys::Registry& registry, const std::string& path,
                            const std::string& name) {
  auto key = registry.Open(sys::RootKey::CurrentUser, path, false);
  if (!key) return 0;
  auto value = key->Query(name);
  if (!value) throw FailedToGetData(name);
  if (value->Kind != sys::ValueKind::Dword) throw InvalidDataType(name);
  return value->Dword;
}

std::string ReadUserString(sys::Registry& registry, const std::string& path,
                           const std::string& name) {
  auto key = registry.Open(sys::RootKey::CurrentUser, path, false);
  if (!key) return {};
  auto value = key->Query(name);
  if (!value) return {};
  if (value->Kind != sys::ValueKind::String) throw InvalidDataType(name);
  return value->Text;
}

std::optional<std::string> ReadProxyOverride(sys::Registry& registry) {
  auto key = registry.Open(sys::RootKey::CurrentUser, kInternetSettingsKey, false);
  if (!key) return std::nullopt;
  auto value = key->Query("ProxyOverride");
  if (!value) return std::nullopt;
  if (value->Kind != sys::ValueKind::String) throw InvalidDataType("ProxyOverride");
  return value->Text;
}

bool LocalBypassInForce(sys::Registry& registry) {
  if (const std::optional<std::string> list = ReadProxyOverride(registry))
    return HasLocalBypass(*list);
  auto key = registry.Open(sys::RootKey::CurrentUser, kZoneMapKey, false);
  auto value = key ? key->Query("ProxyByPass") : std::nullopt;
  if (!value) return false;
  if (value->Kind != sys::ValueKind::Dword) throw InvalidDataType("ProxyByPass");
  return value->Dword != 0;
}

}  // namespace changers
