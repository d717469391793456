// The network shell's dump of its "interface" context, run for the IP editor's two imports.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "system/Desktop.h"
#include "ui/Ui.h"

namespace profiles {

// Starts a program and waits for it (the program's RunProgramAndWait): file, parameters,
// directory, show command, wait. The shell's launch code; greater than 32 means started.
using ProgramRunner = std::function<std::intptr_t(const std::string&, const std::string&,
                                                  const std::string&, int, bool)>;
// Text of the ANSI code page as the command interpreter reads a batch file (the program's
// Environment::OemFromAnsi).
using BatchEncoder = std::function<std::string(const std::string&)>;

struct InterfaceDump {
  std::intptr_t LaunchCode = 0;
  // What the shell wrote, when it was started (none when the file cannot be read).
  std::vector<std::string> Lines;
  bool Started() const { return LaunchCode > 32; }
};

// Writes the one-line dump batch into scriptDir, runs it minimized with the hourglass
// showing and waits until it has ended, then brings the asking window to the front again.
// The output of an earlier run (or the script an IP profile left there) is removed first,
// so it can never be read as this dump. Throws sys::FileCreateError when the batch cannot
// be written.
InterfaceDump RunInterfaceDump(const std::string& scriptDir, ui::TForm& asking,
                               const ProgramRunner& run, const BatchEncoder& toBatch,
                               sys::Desktop& screen);

}  // namespace profiles
