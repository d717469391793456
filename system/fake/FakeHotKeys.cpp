#include "system/fake/FakeHotKeys.h"

namespace sys {

bool FakeHotKeys::Register(WindowHandle window, int id, unsigned modifiers, unsigned key) {
  Registration registration{window, id, modifiers, key};
  RegisterCalls.push_back(registration);
  if (InUse(modifiers, key)) return false;
  Registered.push_back(registration);
  return true;
}

bool FakeHotKeys::Unregister(WindowHandle window, int id) {
  UnregisterCalls.emplace_back(window, id);
  for (auto it = Registered.begin(); it != Registered.end(); ++it) {
    if (it->Window == window && it->Id == id) {
      Registered.erase(it);
      return true;
    }
  }
  return false;
}

const FakeHotKeys::Registration* FakeHotKeys::Find(WindowHandle window, int id) const {
  for (const Registration& registration : Registered)
    if (registration.Window == window && registration.Id == id) return &registration;
  return nullptr;
}

bool FakeHotKeys::InUse(unsigned modifiers, unsigned key) const {
  if (taken_.count({modifiers, key}) != 0) return true;
  for (const Registration& registration : Registered)
    if (registration.Modifiers == modifiers && registration.Key == key) return true;
  return false;
}

}  // namespace sys
