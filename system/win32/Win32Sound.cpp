#include "system/win32/Win32Sound.h"

#include "system/win32/WinApi.h"

namespace sys {

bool Win32Sound::PlaySound(const std::string& path, unsigned flags) {
  return PlaySoundA(path.c_str(), nullptr, flags) != FALSE;
}

void Win32Sound::Beep(unsigned frequency, unsigned durationMs) { ::Beep(frequency, durationMs); }

void Win32Sound::MessageBeep(unsigned type) { ::MessageBeep(type); }

}  // namespace sys
