#include "system/MasterVolume.h"

#include <algorithm>

namespace sys {

namespace {

class NoEndpoint : public EndpointVolume {
 public:
  bool Open(WindowHandle) override { return false; }
  std::optional<float> Level() override { return std::nullopt; }
  bool SetLevel(float) override { return false; }
  std::optional<bool> Muted() override { return std::nullopt; }
  bool SetMuted(bool) override { return false; }
  void Close() override {}
};

std::uint32_t ValueOf(float level) {
  const float clamped = std::min(1.0f, std::max(0.0f, level));
  return static_cast<std::uint32_t>(clamped * float(EndpointLevelMaximum) + 0.5f);
}

float LevelOf(std::uint32_t value) { return float(value) / float(EndpointLevelMaximum); }

}  // namespace

EndpointVolume& NoEndpointVolume() {
  static NoEndpoint none;
  return none;
}

void MasterVolume::Open(WindowHandle notifyWindow) {
  Close();
  window_ = notifyWindow;
  if (!TryEndpoint()) UseMixer();
}

void MasterVolume::FollowDefaultDevice() {
  if (!TryEndpoint()) UseMixer();
}

bool MasterVolume::TryEndpoint() {
  endpointOpen_ = false;
  if (!endpoint_.Open(window_)) return false;
  // Probed with the level it has: an endpoint that reads but refuses every level would
  // leave the keys doing nothing.
  const std::optional<float> level = endpoint_.Level();
  endpointOpen_ = level && endpoint_.SetLevel(*level) && endpoint_.Muted();
  // One that refuses a level it has just read does not set levels at all (wine): closed,
  // so that its notification thread and the audio service's client are not kept for nothing.
  if (!endpointOpen_) endpoint_.Close();
  return endpointOpen_;
}

void MasterVolume::UseMixer() {
  // An endpoint that refused later stays open: it still reports a new default device.
  endpointOpen_ = false;
  if (mixerOpen_) return;
  mixerOpen_ = true;
  MuteMixer.Open(mixer_, window_, false);
  VolumeMixer.Open(mixer_, window_, true);
}

void MasterVolume::Close() {
  endpoint_.Close();
  endpointOpen_ = false;
  MuteMixer.Close(mixer_);
  VolumeMixer.Close(mixer_);
  mixerOpen_ = false;
}

std::optional<VolumeLevel> MasterVolume::Volume() {
  if (endpointOpen_) {
    if (auto level = endpoint_.Level())
      return VolumeLevel{ValueOf(*level), 0, EndpointLevelMaximum};
    UseMixer();
  }
  const std::optional<std::uint32_t> value = VolumeMixer.GetValue(mixer_);
  if (!value) return std::nullopt;
  return VolumeLevel{*value, VolumeMixer.Minimum, VolumeMixer.Maximum};
}

std::optional<bool> MasterVolume::Muted() {
  if (endpointOpen_) {
    if (auto muted = endpoint_.Muted()) return muted;
    UseMixer();
  }
  const std::optional<std::uint32_t> value = MuteMixer.GetValue(mixer_);
  if (!value) return std::nullopt;
  // Muted means the control at its maximum.
  return *value == MuteMixer.Maximum;
}

std::optional<VolumeLevel> MasterVolume::Step(std::uint32_t (*step)(const VolumeLevel&)) {
  std::optional<VolumeLevel> level = Volume();
  if (!level) return std::nullopt;
  level->Value = step(*level);
  if (endpointOpen_) {
    if (endpoint_.SetLevel(LevelOf(level->Value))) return level;
    UseMixer();
    return Step(step);
  }
  // A write the mixer refuses is shown all the same: the next read tells.
  VolumeMixer.SetValue(mixer_, level->Value);
  return level;
}

std::optional<bool> MasterVolume::ToggleMute() {
  const std::optional<bool> muted = Muted();
  if (!muted) return std::nullopt;
  const bool next = !*muted;
  if (endpointOpen_) {
    if (endpoint_.SetMuted(next)) return next;
    UseMixer();
    return ToggleMute();
  }
  MuteMixer.SetValue(mixer_, next ? MuteMixer.Maximum : MuteMixer.Minimum);
  return next;
}

}  // namespace sys
