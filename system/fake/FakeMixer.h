// A mixer with controls that tests define. Handles are made-up numbers; every value call
// checks that the handle is open and the control exists, as the real mixer does.
#pragma once
#include <set>
#include <utility>
#include <vector>
#include "system/Mixer.h"

namespace sys {

class FakeMixer : public Mixer {
 public:
  struct Control {
    std::uint32_t ComponentType = MixerComponentDstSpeakers;
    std::uint32_t ControlType = 0;
    MixerControlInfo Info;
    std::uint32_t Value = 0;
  };

  unsigned NumDevs() override;
  std::optional<MixerHandle> Open(WindowHandle notifyWindow) override;
  std::optional<MixerControlInfo> FindControl(MixerHandle mixer, std::uint32_t componentType,
                                              std::uint32_t controlType) override;
  std::optional<std::uint32_t> GetValue(MixerHandle mixer, std::uint32_t controlId) override;
  bool SetValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) override;
  void Close(MixerHandle mixer) override;

  // Adds a control on the speakers line; the reference holds until the next AddControl.
  Control& AddControl(std::uint32_t controlType, std::uint32_t controlId, std::uint32_t minimum,
                      std::uint32_t maximum, std::uint32_t value);
  // The usual pair: volume 0..65535 (id 1) and mute 0..1 (id 2).
  void AddSpeakerControls(std::uint32_t volume = 32768, bool muted = false);
  // The control with that id, or null.
  Control* FindById(std::uint32_t controlId);
  bool IsOpen(MixerHandle mixer) const { return open_.count(mixer) != 0; }

  unsigned DeviceCount = 1;
  bool FailOpen = false;
  bool FailGet = false;
  bool FailSet = false;
  std::vector<Control> Controls;
  WindowHandle NotifyWindow = 0;  // given to the last successful Open
  int OpenCalls = 0;
  int CloseCalls = 0;
  int GetCalls = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> SetCalls;  // (control id, value)

 private:
  std::set<MixerHandle> open_;
  MixerHandle next_ = 0x4D00;
};

}  // namespace sys
