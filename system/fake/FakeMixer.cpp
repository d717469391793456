#include "system/fake/FakeMixer.h"

namespace sys {

unsigned FakeMixer::NumDevs() { return DeviceCount; }

std::optional<MixerHandle> FakeMixer::Open(WindowHandle notifyWindow) {
  ++OpenCalls;
  if (DeviceCount == 0 || FailOpen) return std::nullopt;
  NotifyWindow = notifyWindow;
  MixerHandle handle = ++next_;
  open_.insert(handle);
  return handle;
}

std::optional<MixerControlInfo> FakeMixer::FindControl(MixerHandle mixer,
                                                       std::uint32_t componentType,
                                                       std::uint32_t controlType) {
  if (!IsOpen(mixer)) return std::nullopt;
  for (const Control& control : Controls)
    if (control.ComponentType == componentType && control.ControlType == controlType)
      return control.Info;
  return std::nullopt;
}

std::optional<std::uint32_t> FakeMixer::GetValue(MixerHandle mixer, std::uint32_t controlId) {
  ++GetCalls;
  Control* control = FindById(controlId);
  if (!IsOpen(mixer) || FailGet || !control) return std::nullopt;
  return control->Value;
}

bool FakeMixer::SetValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) {
  Control* control = FindById(controlId);
  if (!IsOpen(mixer) || FailSet || !control) return false;
  SetCalls.emplace_back(controlId, value);
  control->Value = value;
  return true;
}

void FakeMixer::Close(MixerHandle mixer) {
  ++CloseCalls;
  open_.erase(mixer);
}

FakeMixer::Control& FakeMixer::AddControl(std::uint32_t controlType, std::uint32_t controlId,
                                          std::uint32_t minimum, std::uint32_t maximum,
                                          std::uint32_t value) {
  Control control;
  control.ControlType = controlType;
  control.Info.ControlId = controlId;
  control.Info.Minimum = minimum;
  control.Info.Maximum = maximum;
  control.Value = value;
  bool volume = controlType == MixerControlTypeVolume;
  control.Info.ShortName = volume ? "Volume" : "Mute";
  control.Info.Name = volume ? "Master Volume" : "Master Mute";
  Controls.push_back(control);
  return Controls.back();
}

void FakeMixer::AddSpeakerControls(std::uint32_t volume, bool muted) {
  AddControl(MixerControlTypeVolume, 1, 0, 65535, volume);
  AddControl(MixerControlTypeMute, 2, 0, 1, muted ? 1 : 0);
}

FakeMixer::Control* FakeMixer::FindById(std::uint32_t controlId) {
  for (Control& control : Controls)
    if (control.Info.ControlId == controlId) return &control;
  return nullptr;
}

}  // namespace sys
