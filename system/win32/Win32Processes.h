// Starting programs and documents through the shell of the running system.
#pragma once
#include "system/Processes.h"

namespace sys {

// The launch code a ShellExecuteExA call gives its caller: its hInstApp, but never one that
// looks like a start when none happened, and LaunchDeclined when the system's question for
// administrator rights was answered no (the call failed with ERROR_CANCELLED).
std::intptr_t LaunchCode(bool started, unsigned long lastError, std::intptr_t instApp);

class Win32Processes : public Processes {
 public:
  std::intptr_t ShellExecuteAndWait(const std::string& file, const std::string& params,
                                    const std::string& directory, int show, bool wait) override;
  std::intptr_t ShellExecuteElevatedAndWait(const std::string& file, const std::string& params,
                                            const std::string& directory, int show,
                                            bool wait) override;
  bool ElevationNeeded() override;
  std::intptr_t ShellOpen(const std::string& target, int show) override;
};

}  // namespace sys
