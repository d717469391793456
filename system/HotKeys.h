// System-wide hot keys (RegisterHotKey / UnregisterHotKey).
#pragma once
#include "system/Types.h"

namespace sys {

enum HotKeyModifier : unsigned {
  ModAlt = 0x1,
  ModControl = 0x2,
  ModShift = 0x4,
  ModWin = 0x8,
};

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  virtual bool Register(WindowHandle window, int id, unsigned modifiers, unsigned key) = 0;
  virtual bool Unregister(WindowHandle window, int id) = 0;
};

}  // namespace sys
