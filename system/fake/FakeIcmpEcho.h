// Echo results scripted by the test, one per Ping, oldest first; when the script runs out the
// default result answers. Hosts that are not dotted IPv4 text fail as with the real service,
// before the script is consulted.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>
#include "system/IcmpEcho.h"

namespace sys {

class FakeIcmpEcho : public IcmpEcho {
 public:
  // Either a byte count (0 = time-out), or, when Error is set, an IcmpError with that text,
  // or, when FromStatus is set, the system service's answer with that IP_STATUS code, read
  // the way the real adapter reads it.
  struct Result {
    int Bytes = 0;
    bool Error = false;
    std::string Message;
    bool FromStatus = false;
    std::uint32_t Status = 0;
    static Result Reply(int bytes = 64) { return {bytes, false, {}}; }
    static Result TimedOut() { return {0, false, {}}; }
    static Result Failure(const std::string& message = "ICMP failure") {
      return {0, true, message};
    }
    static Result Answer(std::uint32_t ipStatus) { return {0, false, {}, true, ipStatus}; }
  };
  struct Call {
    std::string Host;
    int TimeoutMs = 0;
    int BufferSize = 0;
  };

  int Ping(const std::string& host, int timeoutMs, int bufferSize) override;

  void Push(const Result& result) { Script.push_back(result); }
  std::vector<std::string> Hosts() const;

  std::deque<Result> Script;
  Result Default = Result::Reply();
  bool CheckHost = true;  // reject malformed hosts before consulting the script
  std::vector<Call> Calls;
};

}  // namespace sys
