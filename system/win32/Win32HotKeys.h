// System-wide hot keys of the running system. Hot keys still registered when the adapter goes
// away are released then.
#pragma once
#include <utility>
#include <vector>
#include "system/HotKeys.h"

namespace sys {

class Win32HotKeys : public HotKeys {
 public:
  Win32HotKeys() = default;
  ~Win32HotKeys() override;
  Win32HotKeys(const Win32HotKeys&) = delete;
  Win32HotKeys& operator=(const Win32HotKeys&) = delete;

  bool Register(WindowHandle window, int id, unsigned modifiers, unsigned key) override;
  bool Unregister(WindowHandle window, int id) override;

 private:
  std::vector<std::pair<WindowHandle, int>> registered_;
};

}  // namespace sys
