#include "app/NetworkAddressVerb.h"

#include "changers/NetworkAdapters.h"
#include "profiles/NetshScript.h"

namespace app {

namespace {

bool Alphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool Hex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

bool AdapterLinkFits(const std::string& link) {
  if (link.empty() || link.size() > 64) return false;
  for (char c : link)
    if (!Alphanumeric(c)) return false;
  return true;
}

bool NetworkAddressFits(const std::string& address) {
  if (address.size() != 12) return false;
  for (char c : address)
    if (!Hex(c)) return false;
  return true;
}

std::string NetworkAddressArguments(const profiles::MacProfileRecord& mac) {
  if (!AdapterLinkFits(mac.LinkInRegistry)) return {};
  if (mac.UseOtherMAC && !NetworkAddressFits(mac.MacAddress)) return {};
  Command verb;
  verb.What = Verb::NetworkAddress;
  verb.Link = mac.LinkInRegistry;
  if (mac.UseOtherMAC) verb.Address = mac.MacAddress;
  return CommandText(verb);
}

std::string NetworkAddressBatchLine(const std::string& exePath,
                                    const profiles::MacProfileRecord& mac) {
  std::string arguments = NetworkAddressArguments(mac);
  if (arguments.empty()) return arguments;
  return profiles::BatchQuoted(exePath) + " " + arguments + "\r\n";
}

int SetNetworkAddress(sys::Registry& registry, const std::string& link,
                      const std::string& address) {
  if (!AdapterLinkFits(link) || (!address.empty() && !NetworkAddressFits(address)))
    return kExitBadArguments;
  const std::string path = std::string(changers::kAdapterClassKey) + "\\" + link;
  const auto root = sys::RootKey::LocalMachine;
  auto key = registry.Open(root, path, false);
  if (!key) return registry.Exists(root, path) ? kExitNotCarriedOut : kExitNoProfile;
  // Only network devices carry a bus type: the class key holds other entries too.
  if (!key->Query("BusType")) return kExitNoProfile;
  const bool done = address.empty() ? key->DeleteValue(changers::kNetworkAddressValue)
                                    : key->SetString(changers::kNetworkAddressValue, address);
  return done ? kExitDone : kExitNotCarriedOut;
}

}  // namespace app
