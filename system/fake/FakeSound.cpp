#include "system/fake/FakeSound.h"

#include <ostream>

namespace sys {

SoundEvent SoundEvent::File(const std::string& path, unsigned flags) {
  SoundEvent event;
  event.What = Kind::PlaySound;
  event.Path = path;
  event.Flags = flags;
  return event;
}

SoundEvent SoundEvent::Tone(unsigned frequency, unsigned durationMs) {
  SoundEvent event;
  event.What = Kind::Beep;
  event.Frequency = frequency;
  event.DurationMs = durationMs;
  return event;
}

SoundEvent SoundEvent::SystemBeep(unsigned type) {
  SoundEvent event;
  event.What = Kind::MessageBeep;
  event.Type = type;
  return event;
}

SoundEvent SoundEvent::Silence(unsigned durationMs) {
  SoundEvent event;
  event.What = Kind::Pause;
  event.DurationMs = durationMs;
  return event;
}

bool SoundEvent::operator==(const SoundEvent& o) const {
  return What == o.What && Path == o.Path && Flags == o.Flags && Frequency == o.Frequency &&
         DurationMs == o.DurationMs && Type == o.Type;
}

std::ostream& operator<<(std::ostream& out, const SoundEvent& event) {
  switch (event.What) {
    case SoundEvent::Kind::PlaySound:
      return out << "PlaySound(\"" << event.Path << "\", 0x" << std::hex << event.Flags << std::dec
                 << ")";
    case SoundEvent::Kind::Beep:
      return out << "Beep(" << event.Frequency << " Hz, " << event.DurationMs << " ms)";
    case SoundEvent::Kind::MessageBeep:
      return out << "MessageBeep(" << event.Type << ")";
    case SoundEvent::Kind::Pause:
      return out << "Pause(" << event.DurationMs << " ms)";
  }
  return out;
}

bool FakeSound::PlaySound(const std::string& path, unsigned flags) {
  Events.push_back(SoundEvent::File(path, flags));
  return PlaySoundResult;
}

void FakeSound::Beep(unsigned frequency, unsigned durationMs) {
  Events.push_back(SoundEvent::Tone(frequency, durationMs));
}

void FakeSound::MessageBeep(unsigned type) { Events.push_back(SoundEvent::SystemBeep(type)); }

}  // namespace sys
