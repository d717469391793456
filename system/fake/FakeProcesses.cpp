#include "system/fake/FakeProcesses.h"

namespace sys {

std::intptr_t FakeProcesses::ShellExecuteAndWait(const std::string& file, const std::string& params,
                                                 const std::string& directory, int show,
                                                 bool wait) {
  ExecuteCall call{file, params, directory, show, wait};
  ExecuteCalls.push_back(call);
  if (ExecuteResult > 32 && RunAsProcess) RunAsProcess(call);
  return ExecuteResult;
}

std::intptr_t FakeProcesses::ShellExecuteElevatedAndWait(const std::string& file,
                                                         const std::string& params,
                                                         const std::string& directory, int show,
                                                         bool wait) {
  ExecuteCall call{file, params, directory, show, wait, true};
  ExecuteCalls.push_back(call);
  if (ElevatedResult > 32 && RunAsProcess) RunAsProcess(call);
  return ElevatedResult;
}

std::intptr_t FakeProcesses::ShellOpen(const std::string& target, int show) {
  OpenCalls.push_back({target, show});
  return OpenResult;
}

}  // namespace sys
