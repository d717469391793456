#include "system/MixerControl.h"

namespace sys {

void MixerControl::Open(Mixer& mixer, WindowHandle notifyWindow, bool wantVolume) {
  Close(mixer);
  *this = MixerControl{};
  if (mixer.NumDevs() >= 1) {
    Handle = mixer.Open(notifyWindow);
    if (!Handle) return;
  }
  Usable = true;
  if (!Handle) return;
  auto info = mixer.FindControl(*Handle, MixerComponentDstSpeakers,
                                wantVolume ? MixerControlTypeVolume : MixerControlTypeMute);
  if (!info) return;
  HasControl = true;
  ControlId = info->ControlId;
  ShortName = info->ShortName;
  Name = info->Name;
  Minimum = info->Minimum;
  Maximum = info->Maximum;
}

std::optional<std::uint32_t> MixerControl::GetValue(Mixer& mixer) const {
  if (!Usable || !Handle || !HasControl) return std::nullopt;
  return mixer.GetValue(*Handle, ControlId);
}

bool MixerControl::SetValue(Mixer& mixer, std::uint32_t value) const {
  if (!Usable || !Handle || !HasControl) return false;
  return mixer.SetValue(*Handle, ControlId, value);
}

void MixerControl::Close(Mixer& mixer) {
  if (Handle) mixer.Close(*Handle);
  Handle.reset();
}

}  // namespace sys
