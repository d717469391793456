// Volume and mute on the speakers line of the mixer: the volume hot keys, and the notices
// the mixer sends when the level changes anywhere.
#include <algorithm>
#include <cstdint>

#include "app/FormQuonthary.h"
#include "app/VolumeStep.h"

void TFormQuonthary::OpenMixers() {
  // The indicator's window hears of every change.
  MuteMixer.Open(Sys.Mix, Handle(), false);
  VolumeMixer.Open(Sys.Mix, Handle(), true);
}

void TFormQuonthary::ReadVolumeQuietly() {
  if (auto value = VolumeMixer.GetValue(Sys.Mix)) ShowVolume(*value, VolumeMixer.Maximum, false);
}

void TFormQuonthary::VolumeUp() {
  const auto value = VolumeMixer.GetValue(Sys.Mix);
  if (!value) return;
  const std::uint32_t v = *value;
  // Counted wide: a step past the top of the range stops at the maximum.
  std::uint64_t n = std::uint64_t(v) + VolumeStep(v);
  if (n == v) n = std::uint64_t(v) + 1;
  const auto level = static_cast<std::uint32_t>(std::min<std::uint64_t>(n, VolumeMixer.Maximum));
  VolumeMixer.SetValue(Sys.Mix, level);
  ShowVolume(level, VolumeMixer.Maximum, true);
  PlayVolumeUpAlert();
}

void TFormQuonthary::VolumeDown() {
  const auto value = VolumeMixer.GetValue(Sys.Mix);
  if (!value) return;
  const std::uint32_t v = *value;
  std::uint32_t n = v - VolumeStep(v);
  if (n == v) n = v - 1;
  // Above v: the step passed below zero.
  if (n < VolumeMixer.Minimum || n > v) n = VolumeMixer.Minimum;
  VolumeMixer.SetValue(Sys.Mix, n);
  ShowVolume(n, VolumeMixer.Maximum, true);
  PlayVolumeDownAlert();
}

void TFormQuonthary::ToggleMute() {
  const auto value = MuteMixer.GetValue(Sys.Mix);
  if (!value) return;
  // Muted means the control at its maximum.
  const std::uint32_t next = *value == MuteMixer.Maximum ? MuteMixer.Minimum : MuteMixer.Maximum;
  MuteMixer.SetValue(Sys.Mix, next);
  ShowMute(next == MuteMixer.Maximum, true);
}

void TFormQuonthary::RefreshMixerDisplay(std::uintptr_t mixer, std::uint32_t controlId) {
  if (!MuteMixer.Names(mixer, controlId) && !VolumeMixer.Names(mixer, controlId)) return;
  // Whoever changed it, the user sees the result: even a window hidden for a full battery.
  ShowIndicator();
  if (auto volume = VolumeMixer.GetValue(Sys.Mix)) ShowVolume(*volume, VolumeMixer.Maximum, false);
  if (auto mute = MuteMixer.GetValue(Sys.Mix)) ShowMute(*mute == MuteMixer.Maximum, false);
}

bool TFormQuonthary::FormMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message != sys::MixerControlChangeMessage) return false;
  RefreshMixerDisplay(wParam, static_cast<std::uint32_t>(lParam));
  return true;
}
