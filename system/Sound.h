// PlaySound, Beep and MessageBeep.
#pragma once
#include <string>

namespace sys {

// SND_FILENAME | SND_NOWAIT | SND_NOSTOP | SND_NODEFAULT | SND_ASYNC
constexpr unsigned PlaySoundFileAsyncFlags = 0x22013;

class Sound {
 public:
  virtual ~Sound() = default;
  virtual bool PlaySound(const std::string& path, unsigned flags) = 0;
  // Blocks for the tone's duration.
  virtual void Beep(unsigned frequency, unsigned durationMs) = 0;
  virtual void MessageBeep(unsigned type) = 0;
};

}  // namespace sys
