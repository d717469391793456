// The Core Audio endpoint as tests play it: no render device API at all (Windows XP, the
// default), render devices of which one is the default (Vista and later), or an endpoint
// that reads its level but refuses to set one (wine answers E_NOTIMPL).
#pragma once
#include <cstddef>
#include <optional>
#include <vector>
#include "system/EndpointVolume.h"

namespace sys {

class FakeEndpointVolume : public EndpointVolume {
 public:
  struct Device {
    float Level = 0.5f;
    bool Muted = false;
  };

  bool Present() override { return Api || !Devices.empty(); }
  bool Open() override;
  void Listen(WindowHandle notifyWindow) override { NotifyWindow = notifyWindow; }
  std::optional<float> Level() override;
  bool SetLevel(float level) override;
  std::optional<bool> Muted() override;
  bool SetMuted(bool muted) override;
  void Close() override { Opened.reset(); }

  std::vector<Device> Devices;  // none: the system has no endpoint, unless Api
  bool Api = false;             // the endpoint API without a render device (Vista and later)
  std::size_t Default = 0;      // the default device, which Open opens
  bool RefuseLevels = false;
  bool RefuseMute = false;
  bool FailCalls = false;  // every value call fails (the device went away)
  std::optional<std::size_t> Opened;
  WindowHandle NotifyWindow = 0;  // given to the last Listen

 private:
  Device* Current();
};

}  // namespace sys
