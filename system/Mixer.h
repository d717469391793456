// The multimedia mixer of sound device 0 (mixerOpen and friends).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include "system/Types.h"

namespace sys {

using MixerHandle = std::uintptr_t;

constexpr std::uint32_t MixerComponentDstSpeakers = 4;       // MIXERLINE_COMPONENTTYPE_DST_SPEAKERS
constexpr std::uint32_t MixerControlTypeMute = 0x20010002u;  // MIXERCONTROL_CONTROLTYPE_MUTE
constexpr std::uint32_t MixerControlTypeVolume = 0x50030001u;  // MIXERCONTROL_CONTROLTYPE_VOLUME
constexpr unsigned MixerControlChangeMessage = 0x3D1;          // MM_MIXM_CONTROL_CHANGE

struct MixerControlInfo {
  std::uint32_t ControlId = 0;
  std::string ShortName;
  std::string Name;
  std::uint32_t Minimum = 0;
  std::uint32_t Maximum = 0;
};

class Mixer {
 public:
  virtual ~Mixer() = default;
  virtual unsigned NumDevs() = 0;
  // mixerOpen(device 0, CALLBACK_WINDOW to notifyWindow) followed by mixerGetDevCaps.
  virtual std::optional<MixerHandle> Open(WindowHandle notifyWindow) = 0;
  // The first control of controlType on the line of componentType.
  virtual std::optional<MixerControlInfo> FindControl(MixerHandle mixer,
                                                      std::uint32_t componentType,
                                                      std::uint32_t controlType) = 0;
  // One channel, one unsigned value.
  virtual std::optional<std::uint32_t> GetValue(MixerHandle mixer, std::uint32_t controlId) = 0;
  virtual bool SetValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) = 0;
  virtual void Close(MixerHandle mixer) = 0;
};

}  // namespace sys
