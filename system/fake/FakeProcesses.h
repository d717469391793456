// Records program starts instead of running anything. A test can stand in for the started
// program with RunAsProcess, e.g. to read the script files written just before the start.
#pragma once
#include <functional>
#include <vector>
#include "system/Processes.h"

namespace sys {

class FakeProcesses : public Processes {
 public:
  struct ExecuteCall {
    std::string File, Params, Directory;
    int Show = 0;
    bool Wait = false;
    bool Elevated = false;  // started with "runas"
  };
  struct OpenCall {
    std::string Target;
    int Show = 0;
  };

  std::intptr_t ShellExecuteAndWait(const std::string& file, const std::string& params,
                                    const std::string& directory, int show, bool wait) override;
  std::intptr_t ShellExecuteElevatedAndWait(const std::string& file, const std::string& params,
                                            const std::string& directory, int show,
                                            bool wait) override;
  bool ElevationNeeded() override { return NeedsElevation; }
  std::intptr_t ShellOpen(const std::string& target, int show) override;

  std::intptr_t ExecuteResult = 42;  // > 32: started
  std::intptr_t OpenResult = 42;
  bool NeedsElevation = false;
  // What an elevated start gives (LaunchDeclined: the user said no); the program then does
  // not run.
  std::intptr_t ElevatedResult = 42;
  // Runs during ShellExecuteAndWait, before it returns, when ExecuteResult reports a start.
  std::function<void(const ExecuteCall&)> RunAsProcess;
  std::vector<ExecuteCall> ExecuteCalls;
  std::vector<OpenCall> OpenCalls;
};

}  // namespace sys
