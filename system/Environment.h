// Where the program lives and where it may put scratch files.
#pragma once
#include <string>

namespace sys {

class Environment {
 public:
  virtual ~Environment() = default;
  // Full path of the running executable (GetModuleFileNameA).
  virtual std::string ExePath() = 0;
  // The temporary folder with a trailing separator (GetTempPathA, 1024-character buffer).
  virtual std::string TempPath() = 0;
  // Text of the ANSI code page in the OEM code page, in which the command interpreter reads
  // a batch file (a folder named "Jürgen" has other bytes there). A letter the OEM code page
  // lacks becomes "?".
  virtual std::string OemFromAnsi(const std::string& text) = 0;
};

// The executable's directory with a trailing separator.
std::string DirectoryOf(const std::string& path);
// The path with its extension replaced (".ini" for the settings file).
std::string ChangeFileExt(const std::string& path, const std::string& ext);

}  // namespace sys
