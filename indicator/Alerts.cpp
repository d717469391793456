// The alerts of the plug, the volume, the connection and the charge: silence, the event's sound
// file, or a built-in pattern of tones.
#include <vector>

#include "app/FormQuonthary.h"
#include "system/Files.h"

namespace {

struct Tone {
  unsigned Frequency;
  unsigned DurationMs;
  unsigned PauseMs;
};

enum AlertOption { Silent = 0, SoundFile = 1, Tones = 2 };

// Relative sound paths resolve against the current directory as stored; a program started
// from elsewhere (at logon) still finds its own "Sound\" folder beside the exe.
std::string ExistingSoundFile(const std::string& path, const std::string& programDir) {
  if (sys::files::FileExists(path)) return path;
  const bool relative =
      !path.empty() && path[0] != '\\' && path[0] != '/' && path.find(':') == std::string::npos;
  if (relative && sys::files::FileExists(programDir + path)) return programDir + path;
  return {};
}

}  // namespace

namespace alerts {

void Play(sys::Platform& platform, const std::string& programDir, int option,
          const std::string& file, const std::vector<Tone>& tones) {
  if (option == SoundFile) {
    // A missing file means silence: there is no fallback to the tones.
    std::string path = ExistingSoundFile(file, programDir);
    if (!path.empty()) platform.Audio.PlaySound(path, sys::PlaySoundFileAsyncFlags);
  } else if (option == Tones) {
    for (const Tone& t : tones) {
      platform.Audio.Beep(t.Frequency, t.DurationMs);
      if (t.PauseMs) platform.Time.Sleep(t.PauseMs);
    }
  }
}

}  // namespace alerts

void TFormQuonthary::PlayPlugOutAlert() {
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption1, Cfg.SoundPlugOutSound, {{2000, 500, 0}});
}

void TFormQuonthary::PlayPlugInAlert() {
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption2, Cfg.SoundPlugInSound,
               {{760, 60, 60}, {900, 60, 60}, {1200, 60, 60}});
}

void TFormQuonthary::PlayVolumeUpAlert() {
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption3, Cfg.SoundVolume, {{500, 10, 0}});
}

void TFormQuonthary::PlayVolumeDownAlert() { PlayVolumeUpAlert(); }

void TFormQuonthary::PlayConnectionLostAlert() {
  std::vector<Tone> falling;
  for (unsigned f = 1500; f >= 600; f -= 100) falling.push_back({f, 20, 0});
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption4, Cfg.SoundNoConn, falling);
}

void TFormQuonthary::PlayLowChargeAlert() {
  // Three falling notes: it asks for the charger.
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption5, Cfg.SoundLowCharge,
               {{1200, 120, 60}, {900, 120, 60}, {600, 240, 0}});
}

void TFormQuonthary::PlayUnplugAlert() {
  alerts::Play(Sys, ProgramDir(), Cfg.SoundOption6, Cfg.SoundUnplug,
               {{1400, 80, 60}, {1400, 80, 0}});
}
