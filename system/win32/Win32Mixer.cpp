#include "system/win32/Win32Mixer.h"

#include "system/win32/WinApi.h"

namespace sys {

namespace {

HMIXEROBJ AsObject(MixerHandle mixer) { return reinterpret_cast<HMIXEROBJ>(mixer); }

// Copies a fixed-size, possibly unterminated name field.
template <std::size_t N>
std::string NameOf(const char (&field)[N]) {
  std::size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field, length);
}

}  // namespace

Win32Mixer::~Win32Mixer() {
  for (MixerHandle mixer : open_) mixerClose(reinterpret_cast<HMIXER>(mixer));
}

unsigned Win32Mixer::NumDevs() { return mixerGetNumDevs(); }

std::optional<MixerHandle> Win32Mixer::Open(WindowHandle notifyWindow) {
  HMIXER handle = nullptr;
  // Without a window there is nobody to notify.
  DWORD flags = notifyWindow ? CALLBACK_WINDOW : CALLBACK_NULL;
  if (mixerOpen(&handle, 0, static_cast<DWORD_PTR>(notifyWindow), 0, flags) != MMSYSERR_NOERROR ||
      !handle)
    return std::nullopt;
  MIXERCAPSA caps{};
  if (mixerGetDevCapsA(reinterpret_cast<UINT_PTR>(handle), &caps, sizeof(caps)) !=
      MMSYSERR_NOERROR) {
    mixerClose(handle);
    return std::nullopt;
  }
  auto mixer = reinterpret_cast<MixerHandle>(handle);
  open_.insert(mixer);
  return mixer;
}

std::optional<MixerControlInfo> Win32Mixer::FindControl(MixerHandle mixer,
                                                        std::uint32_t componentType,
                                                        std::uint32_t controlType) {
  if (!IsOpen(mixer)) return std::nullopt;
  MIXERLINEA line{};
  line.cbStruct = sizeof(line);
  line.dwComponentType = componentType;
  if (mixerGetLineInfoA(AsObject(mixer), &line,
                        MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
      MMSYSERR_NOERROR)
    return std::nullopt;

  MIXERCONTROLA control{};
  control.cbStruct = sizeof(control);
  MIXERLINECONTROLSA query{};
  query.cbStruct = sizeof(query);
  query.dwLineID = line.dwLineID;
  query.dwControlType = controlType;
  query.cControls = 1;
  query.cbmxctrl = sizeof(control);
  query.pamxctrl = &control;
  if (mixerGetLineControlsA(AsObject(mixer), &query,
                            MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
      MMSYSERR_NOERROR)
    return std::nullopt;

  MixerControlInfo info;
  info.ControlId = control.dwControlID;
  info.ShortName = NameOf(control.szShortName);
  info.Name = NameOf(control.szName);
  info.Minimum = control.Bounds.dwMinimum;
  info.Maximum = control.Bounds.dwMaximum;
  return info;
}

std::optional<std::uint32_t> Win32Mixer::GetValue(MixerHandle mixer, std::uint32_t controlId) {
  if (!IsOpen(mixer)) return std::nullopt;
  MIXERCONTROLDETAILS_UNSIGNED value{};
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof(details);
  details.dwControlID = controlId;
  details.cChannels = 1;
  details.cMultipleItems = 0;
  details.cbDetails = sizeof(value);
  details.paDetails = &value;
  if (mixerGetControlDetailsA(AsObject(mixer), &details,
                              MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
      MMSYSERR_NOERROR)
    return std::nullopt;
  return value.dwValue;
}

bool Win32Mixer::SetValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) {
  if (!IsOpen(mixer)) return false;
  MIXERCONTROLDETAILS_UNSIGNED detail{};
  detail.dwValue = value;
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof(details);
  details.dwControlID = controlId;
  details.cChannels = 1;
  details.cMultipleItems = 0;
  details.cbDetails = sizeof(detail);
  details.paDetails = &detail;
  return mixerSetControlDetails(AsObject(mixer), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
         MMSYSERR_NOERROR;
}

void Win32Mixer::Close(MixerHandle mixer) {
  if (open_.erase(mixer) != 0) mixerClose(reinterpret_cast<HMIXER>(mixer));
}

}  // namespace sys
