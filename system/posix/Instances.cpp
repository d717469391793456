#include "system/Instances.h"

namespace sys {

namespace {

// The native build runs no second program: every start is the first, with no arguments.
class OnlyInstance : public Instances {
 public:
  std::string CommandLine() override { return "Quonthary.exe"; }
  bool ClaimFirst() override { return true; }
  int HandOver(const std::string&, const std::string&) override { return NoWindow; }
  std::optional<std::string> Received(unsigned, std::uintptr_t, std::intptr_t) override {
    return std::nullopt;
  }
  void Reply(int) override {}
};

}  // namespace

Instances& SystemInstances() {
  static OnlyInstance only;
  return only;
}

}  // namespace sys
