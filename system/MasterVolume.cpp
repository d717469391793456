#include "system/MasterVolume.h"

#include <algorithm>

namespace sys {

namespace {

class NoEndpoint : public EndpointVolume {
 public:
  bool Present() override { return false; }
  bool Open() override { return false; }
  void Listen(WindowHandle) override {}
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
  opened_ = true;
  if (TryEndpoint()) return;
  // Without the endpoint API (Windows XP) the mixer's speakers line is the master volume and
  // tells of changes made anywhere: opened now. Where there is an endpoint, the mixer only
  // reaches the program's own session, which nothing else changes: the first command that
  // needs a volume tries the endpoint again (the audio service may start after the program)
  // and only then opens the mixer. Under wine that keeps its sound threads out of an idle
  // indicator.
  if (!endpoint_.Present()) UseMixer();
}

void MasterVolume::OpenOnDemand() {
  if (opened_ && !endpointOpen_ && !mixerOpen_ && !TryEndpoint()) UseMixer();
}

void MasterVolume::FollowDefaultDevice() {
  if (!TryEndpoint()) UseMixer();
}

bool MasterVolume::TryEndpoint() {
  endpointOpen_ = false;
  if (!endpoint_.Open()) return false;
  // Probed with the level it has: an endpoint that reads but refuses every level would
  // leave the keys doing nothing.
  const std::optional<float> level = endpoint_.Level();
  endpointOpen_ = level && endpoint_.SetLevel(*level) && endpoint_.Muted();
  // One that refuses a level it has just read does not set levels at all (wine): closed
  // before anyone listens, so that the audio service starts no notification thread for it.
  if (endpointOpen_)
    endpoint_.Listen(window_);
  else
    endpoint_.Close();
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
  opened_ = false;
}

std::optional<VolumeLevel> MasterVolume::Volume() {
  OpenOnDemand();
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
  OpenOnDemand();
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
