// The start-up entry that a program start under test writes for the test program itself
// (its settings ask for one): wine would start the whole test program again with its next
// session, running beside the tests of that session.
#pragma once
#include <string>

#include "system/Registry.h"

inline void RemoveTestStartupEntry(sys::Registry& reg) {
  auto key = reg.Open(sys::RootKey::CurrentUser,
                      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", false);
  if (!key) return;
  auto value = key->Query("Quonthary");
  if (value && value->Text.find("quonthary_tests") != std::string::npos)
    key->DeleteValue("Quonthary");
}
