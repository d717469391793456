// Starting programs through the shell.
#pragma once
#include <cstdint>
#include <string>

namespace sys {

constexpr int ShowNormal = 1;     // SW_SHOWNORMAL
constexpr int ShowMinimized = 2;  // SW_SHOWMINIMIZED
// The launch code when the user said no to the system's question for administrator rights
// (SE_ERR_ACCESSDENIED: not started).
constexpr std::intptr_t LaunchDeclined = 5;

class Processes {
 public:
  virtual ~Processes() = default;
  // ShellExecuteExA with verb "open" and SEE_MASK_NOCLOSEPROCESS; when wait is set and a
  // process handle came back, waits for it without a time limit. Returns hInstApp:
  // greater than 32 means the program was started.
  virtual std::intptr_t ShellExecuteAndWait(const std::string& file, const std::string& params,
                                            const std::string& directory, int show, bool wait) = 0;
  // The same with verb "runas": the system first asks the user for administrator rights.
  // LaunchDeclined when the user said no.
  virtual std::intptr_t ShellExecuteElevatedAndWait(const std::string& file,
                                                    const std::string& params,
                                                    const std::string& directory, int show,
                                                    bool wait) = 0;
  // Windows Vista or later, and this program runs without administrator rights: what
  // changes the system's network settings must be started elevated.
  virtual bool ElevationNeeded() = 0;
  // ShellExecute with verb "open" (documents, mailto: and web addresses).
  virtual std::intptr_t ShellOpen(const std::string& target, int show) = 0;
};

}  // namespace sys
