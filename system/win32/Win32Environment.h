// The running program's file and the user's temporary folder.
#pragma once
#include "system/Environment.h"

namespace sys {

class Win32Environment : public Environment {
 public:
  std::string ExePath() override;
  std::string TempPath() override;
  std::string OemFromAnsi(const std::string& text) override;
};

}  // namespace sys
