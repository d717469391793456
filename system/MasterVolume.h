// The master volume and mute that the hot keys change and the gauge shows: the default
// render device's endpoint where the system has one that takes a level (Vista and later),
// otherwise the speakers line of the mixer (Windows XP, and wherever an endpoint call fails;
// wine's endpoint reads but refuses levels). Levels are on the mixer's scale: the endpoint's
// 0.0 ... 1.0 is 0 ... 65535.
#pragma once
#include <cstdint>
#include <optional>

#include "system/EndpointVolume.h"
#include "system/MixerControl.h"

namespace sys {

struct VolumeLevel {
  std::uint32_t Value = 0;
  std::uint32_t Minimum = 0;
  std::uint32_t Maximum = 0;
};

constexpr std::uint32_t EndpointLevelMaximum = 65535;

class MasterVolume {
 public:
  MasterVolume(Mixer& mixer, EndpointVolume& endpoint) : mixer_(mixer), endpoint_(endpoint) {}
  MasterVolume(const MasterVolume&) = delete;
  MasterVolume& operator=(const MasterVolume&) = delete;

  // The endpoint, kept when it reads its level and takes it back unchanged; otherwise the
  // mixer's mute and volume controls, at once on a system without endpoint, else on the
  // first read. Whichever is used tells notifyWindow of changes.
  void Open(WindowHandle notifyWindow);
  // Another device became the default one: its endpoint from now on, or the mixer.
  void FollowDefaultDevice();
  void Close();

  bool UsesEndpoint() const { return endpointOpen_; }
  // Whether there is a volume to show at all.
  bool Usable() const { return endpointOpen_ || VolumeMixer.Usable; }
  std::optional<VolumeLevel> Volume();
  std::optional<bool> Muted();
  // Sets step(present level); where the endpoint refuses, it is given up for the mixer and
  // the step taken from the mixer's level. The level set, or nullopt when none can be read.
  std::optional<VolumeLevel> Step(std::uint32_t (*step)(const VolumeLevel&));
  // The new state, or nullopt when none can be read.
  std::optional<bool> ToggleMute();

  // The speakers line, opened when the endpoint is not used.
  MixerControl MuteMixer;
  MixerControl VolumeMixer;

 private:
  // Opens the default device's endpoint and keeps it when it takes a level.
  bool TryEndpoint();
  void UseMixer();
  // After Open, when neither is open yet: the endpoint if it takes levels now, else the mixer.
  void OpenOnDemand();
  Mixer& mixer_;
  EndpointVolume& endpoint_;
  WindowHandle window_ = 0;
  bool endpointOpen_ = false;
  bool mixerOpen_ = false;
  bool opened_ = false;
};

}  // namespace sys
