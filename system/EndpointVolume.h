// The master volume and mute of the default render device, through the Core Audio endpoint
// (Windows Vista and later). There the multimedia mixer only reaches the program's own audio
// session, so the master volume is this one.
#pragma once
#include <cstdint>
#include <optional>
#include "system/Types.h"

namespace sys {

// Posted to the window that opened the endpoint (WM_APP + 0x3D1), with one of the two
// reasons below as wParam.
constexpr unsigned EndpointChangeMessage = 0x8000 + 0x3D1;
// The level or mute changed, made anywhere but by the program itself.
constexpr std::uintptr_t EndpointVolumeChanged = 0;
// Another device became the default one for playback.
constexpr std::uintptr_t EndpointDeviceChanged = 1;

class EndpointVolume {
 public:
  virtual ~EndpointVolume() = default;
  // Whether the system has the endpoint API at all (Vista and later), device or not.
  virtual bool Present() = 0;
  // Opens the volume of the default render device (console role); an endpoint already open
  // is closed first. False where the system has no endpoint API (Windows XP) or no render
  // device.
  virtual bool Open() = 0;
  // Has notifyWindow told of changes to the open endpoint and of a new default device.
  virtual void Listen(WindowHandle notifyWindow) = 0;
  // 0.0 ... 1.0; nullopt when nothing is open or the system refuses.
  virtual std::optional<float> Level() = 0;
  virtual bool SetLevel(float level) = 0;
  virtual std::optional<bool> Muted() = 0;
  virtual bool SetMuted(bool muted) = 0;
  virtual void Close() = 0;
};

// A system without the endpoint API (Windows XP): nothing opens.
EndpointVolume& NoEndpointVolume();

}  // namespace sys
