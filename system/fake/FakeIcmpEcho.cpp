#include "system/fake/FakeIcmpEcho.h"

#include "system/IcmpStatus.h"
#include "system/Ipv4.h"

namespace sys {

int FakeIcmpEcho::Ping(const std::string& host, int timeoutMs, int bufferSize) {
  Calls.push_back({host, timeoutMs, bufferSize});
  if (CheckHost && !ParseIPv4(host)) throw IcmpError("Not an IPv4 address: \"" + host + "\"");
  Result result = Default;
  if (!Script.empty()) {
    result = Script.front();
    Script.pop_front();
  }
  if (result.Error) throw IcmpError(result.Message);
  if (result.FromStatus) return EchoResultBytes(host, result.Status, true, 32);
  return result.Bytes;
}

std::vector<std::string> FakeIcmpEcho::Hosts() const {
  std::vector<std::string> hosts;
  for (const Call& call : Calls) hosts.push_back(call.Host);
  return hosts;
}

}  // namespace sys
