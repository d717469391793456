// What the Windows-side tests that run the program over the real registry and folders share:
// the program's environment with a folder of the test's choosing, a registry value of the
// user's put back as it was, and a file's bytes.
#pragma once
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "system/Registry.h"
#include "system/win32/Win32Environment.h"

namespace win32test {

// The real environment, but for the temporary folder or the program's path where set.
class TestEnvironment : public sys::Win32Environment {
 public:
  std::string TempPath() override { return Temp.empty() ? Win32Environment::TempPath() : Temp; }
  std::string ExePath() override { return Exe.empty() ? Win32Environment::ExePath() : Exe; }
  std::string Temp, Exe;
};

// A registry value of the current user as it was before the test, put back afterwards.
class SavedValue {
 public:
  SavedValue(sys::Registry& reg, std::string path, std::string name)
      : reg_(reg), path_(std::move(path)), name_(std::move(name)) {
    if (auto key = reg_.Open(sys::RootKey::CurrentUser, path_, false)) value_ = key->Query(name_);
  }
  ~SavedValue() {
    auto key = reg_.Open(sys::RootKey::CurrentUser, path_, true);
    if (!key) return;
    if (!value_)
      key->DeleteValue(name_);
    else if (value_->Kind == sys::ValueKind::Dword)
      key->SetDword(name_, value_->Dword);
    else
      key->SetString(name_, value_->Text);
  }
  SavedValue(const SavedValue&) = delete;
  SavedValue& operator=(const SavedValue&) = delete;

 private:
  sys::Registry& reg_;
  std::string path_, name_;
  std::optional<sys::RegistryValue> value_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace win32test
