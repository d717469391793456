#include "profiles/IPVerification.h"

#include <algorithm>
#include <utility>

#include "i18n/FillIn.h"
#include "i18n/FormLanguage.h"
#include "system/Ipv4.h"
#include "system/NoCase.h"

namespace profiles {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The address in its plain dotted form, so that " 10.0.0.5" and "10.0.0.5" are one; text
// that is no address stays as typed (and then matches nothing the system reports).
std::string Canonical(const std::string& text) {
  const std::string trimmed = Trimmed(text);
  auto parts = sys::ParseIPv4(trimmed);
  if (!parts) return trimmed;
  return std::to_string((*parts)[0]) + "." + std::to_string((*parts)[1]) + "." +
         std::to_string((*parts)[2]) + "." + std::to_string((*parts)[3]);
}

// The editor's default "0.0.0.0", and "none" as the network shell writes it, mean no gateway
// or no name server; otherwise the address in its plain form.
std::string AddressOrNone(const std::string& text) {
  const std::string address = Canonical(text);
  return address == "0.0.0.0" || sys::EqualNoCase(address, "none") ? std::string() : address;
}

// 169.254.x.x is what Windows takes while no DHCP server has answered.
bool FromLease(const sys::Ipv4Unicast& u) {
  return u.Address.rfind("169.254.", 0) != 0 && u.Address != "0.0.0.0";
}

std::string Joined(const std::vector<std::string>& values) {
  std::string out;
  for (const std::string& v : values) out += (out.empty() ? "" : ", ") + v;
  return out;
}

std::vector<std::string> AddressesOf(const sys::ConnectionConfig& c) {
  std::vector<std::string> out;
  for (const sys::Ipv4Unicast& u : c.Addresses) out.push_back(u.Address);
  return out;
}

void CompareStatic(const IPProfileRecord& ip, const sys::ConnectionConfig& c, IPCheck& check) {
  auto differ = [&](IPDifference::Field what, std::string has, std::string expected) {
    check.Differences.push_back({what, std::move(has), std::move(expected), false});
  };
  const std::string address = Canonical(ip.statIP);
  const std::string addresses = Joined(AddressesOf(c));
  if (c.Dhcp) {
    // The rest comes from the DHCP server: comparing it would only repeat this.
    check.Differences.push_back({IPDifference::Source, addresses, address, true});
    return;
  }
  auto own = std::find_if(c.Addresses.begin(), c.Addresses.end(),
                          [&](const sys::Ipv4Unicast& u) { return u.Address == address; });
  if (own == c.Addresses.end()) differ(IPDifference::Address, addresses, address);
  // Another computer holds the address, or the check for that has not ended in the settle
  // time: the address is listed but not in use.
  else if (own->Dad == sys::DadState::Duplicate || own->Dad == sys::DadState::Tentative)
    differ(IPDifference::Conflict, address, address);
  // The mask of the profile's address, or of the address the connection has instead.
  const sys::Ipv4Unicast* masked = own != c.Addresses.end() ? &*own
                                   : c.Addresses.empty()    ? nullptr
                                                            : &c.Addresses.front();
  // A prefix of 0 is one the system did not report.
  if (masked && masked->PrefixLength > 0) {
    const std::string mask = MaskOfPrefix(masked->PrefixLength);
    if (mask != Canonical(ip.statMask)) differ(IPDifference::Mask, mask, Canonical(ip.statMask));
  }
  const std::string gateway = AddressOrNone(ip.statGate);
  const bool gatewayHolds = gateway.empty() ? c.Gateways.empty()
                                            : std::find(c.Gateways.begin(), c.Gateways.end(),
                                                        gateway) != c.Gateways.end();
  if (!gatewayHolds) differ(IPDifference::Gateway, Joined(c.Gateways), gateway);
  std::vector<std::string> dns;
  for (const std::string* server : {&ip.statDns1, &ip.statDns2})
    if (!AddressOrNone(*server).empty()) dns.push_back(AddressOrNone(*server));
  if (dns != c.DnsServers) differ(IPDifference::Dns, Joined(c.DnsServers), Joined(dns));
}

}  // namespace

const sys::ConnectionConfig* FindConnection(const std::vector<sys::ConnectionConfig>& all,
                                            const std::string& name) {
  for (const auto& c : all)
    if (c.Name == name) return &c;
  for (const auto& c : all)
    if (sys::EqualNoCase(c.Name, name)) return &c;
  return nullptr;
}

std::string MaskOfPrefix(int prefixLength) {
  const int bits = std::clamp(prefixLength, 0, 32);
  const std::uint32_t mask = bits == 0 ? 0u : ~std::uint32_t(0) << (32 - bits);
  return std::to_string(mask >> 24) + "." + std::to_string((mask >> 16) & 255) + "." +
         std::to_string((mask >> 8) & 255) + "." + std::to_string(mask & 255);
}

IPCheck CheckIPProfile(const IPProfileRecord& ip,
                       const std::optional<std::vector<sys::ConnectionConfig>>& connections) {
  IPCheck check;
  if (!connections) return check;
  const sys::ConnectionConfig* c = FindConnection(*connections, ip.connectionName);
  if (!c) {
    check.Result = IPCheck::NotFound;
    return check;
  }
  check.Connection = c->Name;
  if (ip.isDHCP) {
    if (!c->Dhcp)
      check.Differences.push_back({IPDifference::Source, Joined(AddressesOf(*c)), "DHCP", false});
    else
      check.AwaitingLease = std::none_of(c->Addresses.begin(), c->Addresses.end(), FromLease);
  } else {
    CompareStatic(ip, *c, check);
  }
  check.Result = check.Differences.empty() ? IPCheck::InForce : IPCheck::Differs;
  return check;
}

dialogs::ResultLine DescribeIPCheck(const IPCheck& check, const IPProfileRecord& ip,
                                    const TFormLanguage& texts) {
  auto msg = [&](const char* label) -> const std::string& { return texts.Message(label); };
  // What the profile sets is not what the connection has: the box says so first.
  const std::string& notHeld = msg("LabelIPNotHeld");
  switch (check.Result) {
    case IPCheck::NotRead:
      return {msg("LabelIPNotRead"), true};
    case IPCheck::NotFound:
      return {FillIn(msg("LabelIPNotFound"), {ip.connectionName}), true, notHeld};
    case IPCheck::InForce:
      if (check.AwaitingLease)
        return {FillIn(msg("LabelIPDhcpNoAddress"), {check.Connection}), true, notHeld};
      return {FillIn(msg("LabelIPInForce"), {check.Connection}), false};
    case IPCheck::Differs:
      break;
  }
  auto orNone = [&](const std::string& value, const char* none) {
    return value.empty() ? msg(none) : value;
  };
  std::string lines;
  for (const IPDifference& d : check.Differences) {
    if (d.What == IPDifference::Conflict) {
      lines +=
          (lines.empty() ? "" : "\n") + FillIn(msg("LabelIPDuplicate"), {check.Connection, d.Has});
      continue;
    }
    std::string has, expected;
    switch (d.What) {
      case IPDifference::Source:
        has = d.HasDhcp ? "DHCP" + (d.Has.empty() ? "" : " " + d.Has)
                        : orNone(d.Has, "LabelIPNoAddress");
        expected = d.HasDhcp ? orNone(d.Expected, "LabelIPNoAddress") : d.Expected;
        break;
      case IPDifference::Address:
        has = orNone(d.Has, "LabelIPNoAddress");
        expected = orNone(d.Expected, "LabelIPNoAddress");
        break;
      case IPDifference::Mask:
      case IPDifference::Gateway:
      case IPDifference::Dns: {
        const char* field = d.What == IPDifference::Mask      ? "LabelIPMask"
                            : d.What == IPDifference::Gateway ? "LabelIPGateway"
                                                              : "LabelIPDns";
        has = FillIn(msg(field), {orNone(d.Has, "LabelIPNone")});
        expected = FillIn(msg(field), {orNone(d.Expected, "LabelIPNone")});
        break;
      }
      case IPDifference::Conflict:
        break;
    }
    lines += (lines.empty() ? "" : "\n") +
             FillIn(msg("LabelIPDiffers"), {check.Connection, has, expected});
  }
  return {lines, true, notHeld};
}

std::string PresentSettings(const std::vector<sys::ConnectionConfig>& all, const std::string& name,
                            const TFormLanguage& texts) {
  const sys::ConnectionConfig* c = FindConnection(all, name);
  if (!c) return texts.Message("LabelConnAbsent");
  const std::string addresses = Joined(AddressesOf(*c));
  if (c->Dhcp) return addresses.empty() ? "DHCP" : "DHCP (" + addresses + ")";
  return addresses.empty() ? texts.Message("LabelIPNoAddress") : addresses;
}

std::vector<std::string> PresentSettingsLines(
    const std::array<IPProfileRecord, SlotCount>& profiles,
    const std::optional<std::vector<sys::ConnectionConfig>>& connections,
    const TFormLanguage& texts) {
  std::vector<std::string> lines, seen;
  if (!connections) return lines;
  for (const IPProfileRecord& ip : profiles) {
    if (!ip.Used || std::find(seen.begin(), seen.end(), ip.connectionName) != seen.end()) continue;
    seen.push_back(ip.connectionName);
    lines.push_back(ip.connectionName + ": " +
                    PresentSettings(*connections, ip.connectionName, texts));
  }
  return lines;
}

IPVerification::IPVerification(IPProfileRecord ip, sys::IpHelper& helper,
                               const TFormLanguage& texts, int looks)
    : ip_(std::move(ip)), helper_(helper), texts_(texts), looksLeft_(looks) {}

std::optional<dialogs::ResultLine> IPVerification::operator()() {
  const IPCheck check = CheckIPProfile(ip_, helper_.Connections());
  --looksLeft_;
  // What cannot change while the box waits is told at once: a connection that is not there,
  // a system that does not answer. The rest may still be on its way.
  const bool settled = check.Result == IPCheck::NotRead || check.Result == IPCheck::NotFound ||
                       (check.Result == IPCheck::InForce && !check.AwaitingLease);
  if (!settled && looksLeft_ > 0) return std::nullopt;
  return DescribeIPCheck(check, ip_, texts_);
}

int SettleLooks(const IPProfileRecord& ip) { return ip.isDHCP ? 6 : 3; }

}  // namespace profiles
