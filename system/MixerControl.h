// One control of the mixer's speakers line (the master volume or its mute switch), as the
// indicator keeps it. Not usable until the mixer was opened for it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "system/Mixer.h"

namespace sys {

struct MixerControl {
  bool Usable = false;                // the mixer device was opened (or there is none at all)
  std::optional<MixerHandle> Handle;  // none without a mixer device
  bool HasControl = false;            // the speakers line has the control: the fields below hold
  std::uint32_t ControlId = 0;
  std::string ShortName;
  std::string Name;
  std::uint32_t Minimum = 0;
  std::uint32_t Maximum = 0;

  // Opens mixer device 0 with notifyWindow told of every change, and finds the volume
  // (wantVolume) or mute control of its speakers line. Without any mixer device the control
  // is usable but has no handle; one that cannot be opened is not usable. Either way, and
  // without a speakers line or such a control, every value call fails.
  void Open(Mixer& mixer, WindowHandle notifyWindow, bool wantVolume);
  // The control's value; nullopt when there is no open mixer or control, or the system refuses.
  std::optional<std::uint32_t> GetValue(Mixer& mixer) const;
  bool SetValue(Mixer& mixer, std::uint32_t value) const;
  // Closes the mixer handle; the control keeps its fields but no longer reads or writes.
  void Close(Mixer& mixer);
  // Whether a change notice (mixer handle, control id) is about this control.
  bool Names(MixerHandle mixer, std::uint32_t controlId) const {
    return Handle && *Handle == mixer && HasControl && ControlId == controlId;
  }
};

}  // namespace sys
