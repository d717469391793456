// Volume and mute of the master output (the endpoint of the default device, or the mixer's
// speakers line), from the volume hot keys, and the notices of changes made anywhere.
#include <cstdint>

#include "app/FormQuonthary.h"
#include "app/VolumeStep.h"

void TFormQuonthary::OpenMixers() {
  // The indicator's window hears of every change.
  Volume.Open(Handle());
}

void TFormQuonthary::TimerOpenVolumeTimer(ui::TObject*) {
  TimerOpenVolume.SetEnabled(false);
  OpenMixers();
}

void TFormQuonthary::ReadVolumeQuietly() {
  if (auto level = Volume.Volume()) ShowVolume(level->Value, level->Maximum, false);
}

void TFormQuonthary::VolumeUp() {
  const auto level = Volume.Step(LevelUp);
  if (!level) return;
  ShowVolume(level->Value, level->Maximum, true);
  PlayVolumeUpAlert();
}

void TFormQuonthary::VolumeDown() {
  const auto level = Volume.Step(LevelDown);
  if (!level) return;
  ShowVolume(level->Value, level->Maximum, true);
  PlayVolumeDownAlert();
}

void TFormQuonthary::ToggleMute() {
  const auto muted = Volume.ToggleMute();
  if (!muted) return;
  // The bar shows with the notice, at the level of now: nothing reads it before a bar shows.
  ReadVolumeQuietly();
  ShowMute(*muted, true);
}

void TFormQuonthary::RefreshMixerDisplay(std::uintptr_t mixer, std::uint32_t controlId) {
  if (!Volume.MuteMixer.Names(mixer, controlId) && !Volume.VolumeMixer.Names(mixer, controlId))
    return;
  ShowVolumeChange();
}

void TFormQuonthary::ShowVolumeChange() {
  // Whoever changed it, the user sees the result: even a window hidden for a full battery.
  ShowIndicator();
  if (auto level = Volume.Volume()) ShowVolume(level->Value, level->Maximum, false);
  if (auto muted = Volume.Muted()) ShowMute(*muted, false);
}

bool TFormQuonthary::FormMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == sys::MixerControlChangeMessage) {
    RefreshMixerDisplay(wParam, static_cast<std::uint32_t>(lParam));
    return true;
  }
  if (message == sys::EndpointChangeMessage) {
    // The notice comes from another thread, which only posts it; the endpoint is opened
    // again here, on the thread that owns it.
    if (wParam == sys::EndpointDeviceChanged) Volume.FollowDefaultDevice();
    ShowVolumeChange();
    return true;
  }
  return false;
}
