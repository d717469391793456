#include "system/fake/FakeInstances.h"

namespace sys {

namespace {
constexpr unsigned WM_CopyData = 0x004A;
}

int FakeInstances::HandOver(const std::string& windowClass, const std::string& command) {
  HandOvers.push_back({windowClass, command});
  if (int(HandOvers.size()) <= WindowAfterAttempts) return NoWindow;
  return RunningAnswer;
}

std::optional<std::string> FakeInstances::Received(unsigned message, std::uintptr_t,
                                                   std::intptr_t lParam) {
  if (message != WM_CopyData) return std::nullopt;
  auto found = delivered_.find(lParam);
  if (found == delivered_.end()) return std::nullopt;
  return found->second;
}

std::intptr_t FakeInstances::Deliver(const std::string& command) {
  const std::intptr_t token = std::intptr_t(delivered_.size()) + 1;
  delivered_[token] = command;
  return token;
}

}  // namespace sys
