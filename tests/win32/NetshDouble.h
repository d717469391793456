// The stand-in network shell (tests/doubles/NetshDouble.cpp, built beside the test program)
// where the program's batch files run the system's: %SystemRoot%\System32\netsh.exe. It
// prints the dump named by QTH_NETSH_DUMP and appends its arguments to the file named by
// QTH_NETSH_ARGS.
#pragma once
#include "ui/win32/WinApi.h"

#include <optional>
#include <string>

#include "system/win32/Win32Environment.h"

// An environment variable for the length of a test (the batch's console inherits it).
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    char old[8192];
    const DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
    if (n > 0 && n < sizeof old) old_ = std::string(old, n);
    SetEnvironmentVariableA(name, value.c_str());
  }
  ~ScopedVariable() { SetEnvironmentVariableA(name_, old_ ? old_->c_str() : nullptr); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Copied over wine's netsh.exe for the length of a test, wine told to run the copy rather
// than its built-in shell (a native override in wine's registry, which every new process
// reads; the WINEDLLOVERRIDES of a running program does not reach the processes it starts).
// Wine's own file and override are put back afterwards.
class SystemNetshDouble {
 public:
  SystemNetshDouble() {
    char dir[MAX_PATH] = {};
    GetSystemDirectoryA(dir, MAX_PATH);
    system_ = std::string(dir) + "\\netsh.exe";
    saved_ = CopyFileA(system_.c_str(), (system_ + ".wine").c_str(), FALSE) != FALSE;
    const std::string standIn =
        sys::DirectoryOf(sys::Win32Environment().ExePath()) + "netsh-double\\netsh.exe";
    placed_ = CopyFileA(standIn.c_str(), system_.c_str(), FALSE) != FALSE &&
              RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &overrides_, nullptr) == ERROR_SUCCESS &&
              RegSetValueExA(overrides_, "netsh.exe", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>("native"), 7) == ERROR_SUCCESS;
  }
  ~SystemNetshDouble() {
    if (overrides_) {
      RegDeleteValueA(overrides_, "netsh.exe");
      RegCloseKey(overrides_);
    }
    if (saved_)
      MoveFileExA((system_ + ".wine").c_str(), system_.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  SystemNetshDouble(const SystemNetshDouble&) = delete;
  SystemNetshDouble& operator=(const SystemNetshDouble&) = delete;
  bool Placed() const { return placed_; }

 private:
  static constexpr const char* kOverrides = "Software\\Wine\\DllOverrides";
  std::string system_;
  HKEY overrides_ = nullptr;
  bool saved_ = false;
  bool placed_ = false;
};
