// The proxy server text: any "ProxyServer" value splits into a host without a colon and the
// rest as the port, which put together again give the value; and a proxy profile, whatever
// its server and port (a host, "host:port", or the per-protocol form
// "http=h:80;https=h:443"), is seen in force once the text it writes is in the registry; and
// any override list has "<local>" in it exactly as asked once the bypass was set.
#include <fuzzer/FuzzedDataProvider.h>

#include "changers/ProxyInForce.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string server = in.ConsumeRandomLengthString(64);
  const std::string port = in.ConsumeRandomLengthString(16);
  const bool bypass = in.ConsumeBool();
  const std::string live = in.ConsumeRemainingBytesAsString();

  const changers::ProxyServerText split = changers::SplitProxyServer(live);
  fuzz::Check(split.Host.find(':') == std::string::npos, "the host holds no colon", live);
  fuzz::Check(live.find(':') == std::string::npos ? split.Port.empty() && split.Host == live
                                                  : split.Host + ":" + split.Port == live,
              "host and port give the text again", live);

  profiles::ProxyProfileRecord profile;
  profile.Used = true;
  profile.UseProxyServer = true;
  profile.ProxyServer = server;
  profile.ProxyServerPort = port;
  profile.BypassProxyLCon = bypass;
  const std::string written = changers::ProxyServerValue(server, port);
  fuzz::Check(changers::ProxyProfileInForce(profile, 1, written, bypass),
              "a profile is in force once its text is written", server + " | " + port);
  // The split of a written text gives the profile's fields back where its server has no
  // colon of its own (the editor's import reads it so).
  if (server.find(':') == std::string::npos && !port.empty()) {
    const changers::ProxyServerText back = changers::SplitProxyServer(written);
    fuzz::Check(back.Host == server && back.Port == port, "the import reads what was written",
                written);
  }
  // Another server in force is not this profile, except by the rule that splits both.
  if (live != written) {
    const bool inForce = changers::ProxyProfileInForce(profile, 1, live, bypass);
    fuzz::Check(!inForce || (split.Host == server && split.Port == port),
                "only the profile's own server is in force", live + " | " + written);
  }
  profile.Used = false;
  fuzz::Check(!changers::ProxyProfileInForce(profile, 0, written, bypass),
              "an unused slot is never in force");

  const std::string list = changers::WithLocalBypass(live, bypass);
  fuzz::Check(changers::HasLocalBypass(list) == bypass, "the bypass is as asked", live);
  fuzz::Check(changers::WithLocalBypass(list, bypass) == list, "asked again, nothing changes",
              live);
  return 0;
}
