// Records every sound request as one ordered list of events that tests compare whole.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>
#include "system/Sound.h"

namespace sys {

struct SoundEvent {
  enum class Kind { PlaySound, Beep, MessageBeep, Pause };
  Kind What = Kind::PlaySound;
  std::string Path;    // PlaySound
  unsigned Flags = 0;  // PlaySound
  unsigned Frequency = 0;
  unsigned DurationMs = 0;  // Beep and Pause
  unsigned Type = 0;        // MessageBeep

  static SoundEvent File(const std::string& path, unsigned flags = PlaySoundFileAsyncFlags);
  static SoundEvent Tone(unsigned frequency, unsigned durationMs);
  static SoundEvent SystemBeep(unsigned type = 0);
  static SoundEvent Silence(unsigned durationMs);

  bool operator==(const SoundEvent& o) const;
  bool operator!=(const SoundEvent& o) const { return !(*this == o); }
};

// Readable test failures, e.g. Beep(2000 Hz, 500 ms).
std::ostream& operator<<(std::ostream& out, const SoundEvent& event);

class FakeSound : public Sound {
 public:
  bool PlaySound(const std::string& path, unsigned flags) override;
  void Beep(unsigned frequency, unsigned durationMs) override;
  void MessageBeep(unsigned type) override;
  // A pause between tones; FakePlatform routes the clock's sleeps here.
  void Pause(unsigned durationMs) { Events.push_back(SoundEvent::Silence(durationMs)); }

  bool PlaySoundResult = true;
  std::vector<SoundEvent> Events;
};

}  // namespace sys
