// One control of the mixer's speakers line (the master volume or its mute switch), as the
// indicator keeps it. Not usable until the mixer was opened for it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "system/Mixer.h"

namespace sys {

struct MixerControl {
  bool Usable = false;                // the mixer device was opened
  std::optional<MixerHandle> Handle;  // none without a mixer device
  std::uint32_t ControlId = 0;
  std::string ShortName;
  std::string Name;
  std::uint32_t Minimum = 0;
  std::uint32_t Maximum = 0;

  // The control's value; nullopt when there is no open mixer or the system refuses.
  std::optional<std::uint32_t> GetValue(Mixer& mixer) const {
    if (!Usable || !Handle) return std::nullopt;
    return mixer.GetValue(*Handle, ControlId);
  }
};

}  // namespace sys
