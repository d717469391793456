// Program and temporary folder paths that tests set by hand (native tests point them at real
// folders, since the files adapter works on the real file system), on a Western European
// Windows: ANSI code page Windows-1252, OEM code page 850.
#pragma once
#include "system/Environment.h"

namespace sys {

class FakeEnvironment : public Environment {
 public:
  std::string ExePath() override { return Exe; }
  std::string TempPath() override { return Temp; }
  std::string OemFromAnsi(const std::string& text) override;

  std::string Exe = "C:\\Program Files\\Quonthary\\Quonthary.exe";
  std::string Temp = "C:\\Temp\\";
};

}  // namespace sys
