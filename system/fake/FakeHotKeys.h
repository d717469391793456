// Hot keys kept in a table. A key combination can be held by another program (Take) or by
// an earlier registration; registering it again fails, as on Windows.
#pragma once
#include <set>
#include <utility>
#include <vector>
#include "system/HotKeys.h"

namespace sys {

class FakeHotKeys : public HotKeys {
 public:
  struct Registration {
    WindowHandle Window = 0;
    int Id = 0;
    unsigned Modifiers = 0;
    unsigned Key = 0;
    bool operator==(const Registration& o) const {
      return Window == o.Window && Id == o.Id && Modifiers == o.Modifiers && Key == o.Key;
    }
  };

  bool Register(WindowHandle window, int id, unsigned modifiers, unsigned key) override;
  bool Unregister(WindowHandle window, int id) override;

  // Another program holds this combination.
  void Take(unsigned modifiers, unsigned key) { taken_.insert({modifiers, key}); }
  void Release(unsigned modifiers, unsigned key) { taken_.erase({modifiers, key}); }
  // The live registration of (window, id), or null.
  const Registration* Find(WindowHandle window, int id) const;
  bool IsRegistered(WindowHandle window, int id) const { return Find(window, id) != nullptr; }

  std::vector<Registration> Registered;                       // live registrations, oldest first
  std::vector<Registration> RegisterCalls;                    // every call, failed ones too
  std::vector<std::pair<WindowHandle, int>> UnregisterCalls;  // every call

 private:
  bool InUse(unsigned modifiers, unsigned key) const;
  std::set<std::pair<unsigned, unsigned>> taken_;
};

}  // namespace sys
