// Starting programs and documents through the shell of the running system.
#pragma once
#include "system/Processes.h"

namespace sys {

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
