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

  bool Open(WindowHandle notifyWindow) override;
  std::optional<float> Level() override;
  bool SetLevel(float level) override;
  std::optional<bool> Muted() override;
  bool SetMuted(bool muted) override;
  void Close() override { Opened.reset(); }

  std::vector<Device> Devices;  // none: the system has no endpoint
  std::size_t Default = 0;      // the default device, which Open opens
  bool RefuseLevels = false;
  bool RefuseMute = false;
  bool FailCalls = false;  // every value call fails (the device went away)
  std::optional<std::size_t> Opened;
  WindowHandle NotifyWindow = 0;  // given to the last successful Open

 private:
  Device* Current();
};

}  // namespace sys
