// A start's command line, before anything of the program is made. The usage, the elevated
// verb and a command handed to the program that runs already end the start there; otherwise
// the program starts and carries the command out once it is up.
#pragma once
#include <optional>

#include "app/CommandLine.h"
#include "system/Platform.h"

namespace app {

// The exit code when this start ends here; nullopt when the program is to start, with
// command set to what it is then to carry out (Verb::None: nothing).
std::optional<int> BeforeStart(const sys::Platform& platform, Command& command);

}  // namespace app
