// A session in memory: the command line a test starts the program with, whether a program
// runs already and what it answers, and the commands a test delivers to the running program
// with the answers it gave.
#pragma once
#include <map>
#include <vector>

#include "system/Instances.h"

namespace sys {

class FakeInstances : public Instances {
 public:
  struct HandedOver {
    std::string WindowClass, Command;
  };

  std::string CommandLine() override { return Line; }
  bool ClaimFirst() override { return !Running; }
  int HandOver(const std::string& windowClass, const std::string& command) override;
  std::optional<std::string> Received(unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) override;
  void Reply(int code) override { Replies.push_back(code); }

  // A WM_COPYDATA as the running program's window would get it for command: the message's
  // lParam.
  std::intptr_t Deliver(const std::string& command);

  std::string Line = "\"C:\\Program Files\\Quonthary\\Quonthary.exe\"";
  bool Running = false;         // another start holds the name
  int RunningAnswer = 0;        // what the running program answers
  int WindowAfterAttempts = 0;  // hand-overs that find no window before one does
  std::vector<HandedOver> HandOvers;
  std::vector<int> Replies;

 private:
  std::map<std::intptr_t, std::string> delivered_;
};

}  // namespace sys
