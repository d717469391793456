// Starting programs through the shell.
#pragma once
#include <cstdint>
#include <string>

namespace sys {

constexpr int ShowNormal = 1;     // SW_SHOWNORMAL
constexpr int ShowMinimized = 2;  // SW_SHOWMINIMIZED

class Processes {
 public:
  virtual ~Processes() = default;
  // ShellExecuteExA with verb "open" and SEE_MASK_NOCLOSEPROCESS; when wait is set and a
  // process handle came back, waits for it without a time limit. Returns hInstApp:
  // greater than 32 means the program was started.
  virtual std::intptr_t ShellExecuteAndWait(const std::string& file, const std::string& params,
                                            const std::string& directory, int show, bool wait) = 0;
  // ShellExecute with verb "open" (documents, mailto: and web addresses).
  virtual std::intptr_t ShellOpen(const std::string& target, int show) = 0;
};

}  // namespace sys
