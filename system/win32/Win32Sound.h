// Sound files, speaker tones and the system beeps of the running system.
#pragma once
#include "system/Sound.h"

namespace sys {

class Win32Sound : public Sound {
 public:
  bool PlaySound(const std::string& path, unsigned flags) override;
  void Beep(unsigned frequency, unsigned durationMs) override;
  void MessageBeep(unsigned type) override;
};

}  // namespace sys
