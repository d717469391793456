#include "changers/ProxyInForce.h"

namespace changers {

ProxyServerText SplitProxyServer(const std::string& server) {
  const std::size_t colon = server.find(':');
  if (colon == std::string::npos) return {server, ""};
  return {server.substr(0, colon), server.substr(colon + 1)};
}

std::string ProxyServerValue(const std::string& server, const std::string& port) {
  return port.empty() ? server : server + ":" + port;
}

bool ProxyProfileInForce(const profiles::ProxyProfileRecord& proxy, std::uint32_t enable,
                         const std::string& server) {
  if (!proxy.Used) return false;
  if (!proxy.UseProxyServer && enable == 0) return true;
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

}  // namespace changers
