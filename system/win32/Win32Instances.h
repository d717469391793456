// The running system's: a named mutex per user session, and WM_COPYDATA between the starts.
#pragma once
#include "system/Instances.h"
#include "system/win32/Owned.h"

namespace sys {

class Win32Instances : public Instances {
 public:
  std::string CommandLine() override;
  bool ClaimFirst() override;
  int HandOver(const std::string& windowClass, const std::string& command) override;
  std::optional<std::string> Received(unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) override;
  void Reply(int code) override;

 private:
  struct CloseMutex {
    void operator()(void* mutex) const;
  };
  Owned<void*, CloseMutex> mutex_;
};

}  // namespace sys
