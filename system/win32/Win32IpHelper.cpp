#include "system/win32/Win32IpHelper.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "system/win32/LazyLibrary.h"
#include "system/win32/WinApi.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

namespace sys {

namespace {

// Only read after a profile is applied and when the switcher shows.
LazyLibrary iphlpapi("iphlpapi.dll");

// GAA_FLAG_INCLUDE_GATEWAYS, which the XP headers do not name; Windows XP answers a call
// with it as invalid, and is asked again without.
constexpr ULONG kIncludeGateways = 0x0080;

std::string Ansi(const wchar_t* text) {
  if (!text || !*text) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(std::size_t(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], size, nullptr, nullptr);
  out.resize(std::size_t(size - 1));
  return out;
}

// Dotted text of an IPv4 socket address; empty for any other kind.
std::string Dotted(const SOCKET_ADDRESS& address) {
  if (!address.lpSockaddr || address.lpSockaddr->sa_family != AF_INET) return {};
  const auto* in = reinterpret_cast<const sockaddr_in*>(address.lpSockaddr);
  unsigned char b[4];
  std::memcpy(b, &in->sin_addr, 4);
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
         std::to_string(b[3]);
}

int PrefixOfMask(const char* mask) {
  // Four dotted decimal parts, read by hand: scanf would bring the C library's whole
  // scanning and floating-point machinery into the program for this one line.
  std::uint32_t bits = 0;
  const char* p = mask;
  for (int part = 0; part < 4; ++part) {
    if (part > 0 && *p++ != '.') return 0;
    if (*p < '0' || *p > '9') return 0;
    unsigned value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
      value = value * 10 + unsigned(*p - '0');
      if (value > 255) return 0;
    }
    bits = (bits << 8) | value;
  }
  int prefix = 0;
  while (bits & 0x80000000u) {
    ++prefix;
    bits <<= 1;
  }
  return prefix;
}

template <class Record, class Field>
bool Has(const Record* record, const Field* field) {
  const auto offset =
      std::size_t(reinterpret_cast<const char*>(field) - reinterpret_cast<const char*>(record));
  return record->Length >= offset + sizeof(Field);
}

std::vector<char> AdapterAddresses(ULONG flags, ULONG& error) {
  std::vector<char> buffer(16 * 1024);
  for (int attempt = 0; attempt < 4; ++attempt) {
    ULONG size = ULONG(buffer.size());
    auto getAdaptersAddresses =
        iphlpapi.Get<decltype(GetAdaptersAddresses)>("GetAdaptersAddresses");
    if (!getAdaptersAddresses) {
      error = ERROR_PROC_NOT_FOUND;
      break;
    }
    error = getAdaptersAddresses(AF_INET, flags, nullptr,
                                 reinterpret_cast<PIP_ADAPTER_ADDRESSES>(buffer.data()), &size);
    if (error != ERROR_BUFFER_OVERFLOW) break;
    buffer.resize(size + 1024);  // adapters may have come meanwhile
  }
  return buffer;
}

// Windows XP lists no gateways and no prefix lengths with the addresses: the older call has
// both, per adapter name.
void CompleteFromAdaptersInfo(const char* adapterName, ConnectionConfig& config) {
  auto getAdaptersInfo = iphlpapi.Get<decltype(GetAdaptersInfo)>("GetAdaptersInfo");
  if (!getAdaptersInfo) return;
  ULONG size = 0;
  if (getAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return;
  std::vector<char> buffer(size);
  auto* info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  if (getAdaptersInfo(info, &size) != NO_ERROR) return;
  for (; info; info = info->Next) {
    if (std::strcmp(info->AdapterName, adapterName) != 0) continue;
    for (const IP_ADDR_STRING* a = &info->IpAddressList; a; a = a->Next)
      for (Ipv4Unicast& u : config.Addresses)
        if (u.Address == a->IpAddress.String) u.PrefixLength = PrefixOfMask(a->IpMask.String);
    for (const IP_ADDR_STRING* g = &info->GatewayList; g; g = g->Next)
      if (g->IpAddress.String[0] && std::strcmp(g->IpAddress.String, "0.0.0.0") != 0)
        config.Gateways.push_back(g->IpAddress.String);
    return;
  }
}

}  // namespace

std::optional<std::vector<ConnectionConfig>> Win32IpHelper::Connections() {
  const ULONG base = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST;
  ULONG error = 0;
  std::vector<char> buffer = AdapterAddresses(base | kIncludeGateways, error);
  if (error == ERROR_INVALID_PARAMETER) buffer = AdapterAddresses(base, error);
  std::vector<ConnectionConfig> found;
  if (error == ERROR_NO_DATA) return found;
  if (error != NO_ERROR) return std::nullopt;

  for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES_LH*>(buffer.data()); a; a = a->Next) {
    ConnectionConfig config;
    config.Name = Ansi(a->FriendlyName);
    config.Dhcp = (a->Flags & IP_ADAPTER_DHCP_ENABLED) != 0;
    for (const IP_ADAPTER_UNICAST_ADDRESS_LH* u = a->FirstUnicastAddress; u; u = u->Next) {
      const std::string dotted = Dotted(u->Address);
      if (dotted.empty()) continue;
      // Windows XP's record has the state too; a record too short for it tells nothing.
      const auto dad = Has(u, &u->DadState) ? DadState(u->DadState) : DadState::Invalid;
      config.Addresses.push_back(
          {dotted, Has(u, &u->OnLinkPrefixLength) ? int(u->OnLinkPrefixLength) : 0, dad});
    }
    for (const IP_ADAPTER_DNS_SERVER_ADDRESS_XP* d = a->FirstDnsServerAddress; d; d = d->Next) {
      const std::string dotted = Dotted(d->Address);
      if (!dotted.empty()) config.DnsServers.push_back(dotted);
    }
    if (Has(a, &a->FirstGatewayAddress)) {
      for (const IP_ADAPTER_GATEWAY_ADDRESS_LH* g = a->FirstGatewayAddress; g; g = g->Next) {
        const std::string dotted = Dotted(g->Address);
        if (!dotted.empty()) config.Gateways.push_back(dotted);
      }
    } else {
      CompleteFromAdaptersInfo(a->AdapterName, config);
    }
    found.push_back(std::move(config));
  }
  return found;
}

IpHelper& SystemIpHelper() {
  static Win32IpHelper system;
  return system;
}

}  // namespace sys
