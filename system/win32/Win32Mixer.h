// The multimedia mixer of the running system. Mixers still open when the adapter goes away
// are closed then.
#pragma once
#include <set>
#include "system/Mixer.h"

namespace sys {

class Win32Mixer : public Mixer {
 public:
  Win32Mixer() = default;
  ~Win32Mixer() override;
  Win32Mixer(const Win32Mixer&) = delete;
  Win32Mixer& operator=(const Win32Mixer&) = delete;

  unsigned NumDevs() override;
  std::optional<MixerHandle> Open(WindowHandle notifyWindow) override;
  std::optional<MixerControlInfo> FindControl(MixerHandle mixer, std::uint32_t componentType,
                                              std::uint32_t controlType) override;
  std::optional<std::uint32_t> GetValue(MixerHandle mixer, std::uint32_t controlId) override;
  bool SetValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) override;
  void Close(MixerHandle mixer) override;

 private:
  bool IsOpen(MixerHandle mixer) const { return open_.count(mixer) != 0; }
  std::set<MixerHandle> open_;
};

}  // namespace sys
