// One running program per user session: a start learns whether the program runs already and
// hands its command line to it, and the running program receives the command and answers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace sys {

class Instances {
 public:
  virtual ~Instances() = default;
  // The command line the program was started with, its own name first (GetCommandLineA).
  virtual std::string CommandLine() = 0;
  // Claims the program's name in this session (a named mutex, held until the process ends);
  // false when a start before this one holds it.
  virtual bool ClaimFirst() = 0;
  // Hands command to the top-level window of that class (WM_COPYDATA), lets it come to the
  // foreground, and waits for its answer (0-255); NoWindow when there is no such window,
  // NoAnswer when it gave no answer of this program.
  static constexpr int NoWindow = -1;
  static constexpr int NoAnswer = -2;
  virtual int HandOver(const std::string& windowClass, const std::string& command) = 0;
  // The command a window message brings: a WM_COPYDATA of this program; nullopt for any
  // other message.
  virtual std::optional<std::string> Received(unsigned message, std::uintptr_t wParam,
                                              std::intptr_t lParam) = 0;
  // Answers the command whose message is being handled: its sender goes on at once, while
  // this program may go on working on it (a window it opened). Nothing when none waits.
  virtual void Reply(int code) = 0;
};

// The running system's; a native build has no other program to meet.
Instances& SystemInstances();

}  // namespace sys
