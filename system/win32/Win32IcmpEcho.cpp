#include "system/win32/Win32IcmpEcho.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "system/IcmpStatus.h"
#include "system/Ipv4.h"
#include "system/win32/LazyLibrary.h"
#include "system/win32/Owned.h"
#include "system/win32/WinApi.h"

#include <iphlpapi.h>
#include <icmpapi.h>

namespace sys {

namespace {

LazyLibrary iphlpapi("iphlpapi.dll");

struct CloseIcmpHandle {
  void operator()(HANDLE handle) const {
    if (auto close = iphlpapi.Get<decltype(IcmpCloseHandle)>("IcmpCloseHandle")) close(handle);
  }
};
using IcmpHandle = Owned<HANDLE, CloseIcmpHandle>;

// The payload of the request, as small as the ordinary ping tool's.
constexpr std::size_t RequestSize = 32;

}  // namespace

int Win32IcmpEcho::Ping(const std::string& host, int timeoutMs, int bufferSize) {
  auto parts = ParseIPv4(host);
  if (!parts) throw IcmpError("Not an IPv4 address: \"" + host + "\"");
  IPAddr address;  // network byte order, as it lies in memory
  std::memcpy(&address, parts->data(), sizeof(address));

  auto createFile = iphlpapi.Get<decltype(IcmpCreateFile)>("IcmpCreateFile");
  auto sendEcho = iphlpapi.Get<decltype(IcmpSendEcho)>("IcmpSendEcho");
  if (!createFile || !sendEcho)
    throw IcmpError("ICMP service unavailable (error " + std::to_string(GetLastError()) + ")");
  IcmpHandle icmp;
  HANDLE raw = createFile();
  if (raw != INVALID_HANDLE_VALUE) icmp = IcmpHandle(raw);
  if (!icmp)
    throw IcmpError("ICMP service unavailable (error " + std::to_string(GetLastError()) + ")");

  char request[RequestSize];
  for (std::size_t i = 0; i < RequestSize; ++i) request[i] = static_cast<char>('a' + i % 23);

  // The service needs room for one reply record, the echoed data and an ICMP error; a
  // smaller buffer than that could never receive anything.
  std::size_t needed = sizeof(ICMP_ECHO_REPLY) + RequestSize + 8 + 8;
  std::size_t size = std::max(needed, static_cast<std::size_t>(std::max(bufferSize, 0)));
  std::vector<ICMP_ECHO_REPLY> buffer((size + sizeof(ICMP_ECHO_REPLY) - 1) /
                                      sizeof(ICMP_ECHO_REPLY));
  DWORD replies =
      sendEcho(icmp.get(), address, request, static_cast<WORD>(RequestSize), nullptr, buffer.data(),
               static_cast<DWORD>(buffer.size() * sizeof(ICMP_ECHO_REPLY)),
               static_cast<DWORD>(std::max(timeoutMs, 0)));
  // No reply record: the service tells through the last error what came back instead.
  const DWORD status = replies > 0 ? buffer[0].Status : GetLastError();
  return EchoResultBytes(host, status, replies > 0, replies > 0 ? buffer[0].DataSize : 0);
}

}  // namespace sys
