// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once
#include <chrono>
#include <filesystem>
#include <random>
#include <string>

namespace testutil {

class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    std::random_device rd;
    auto base = fs::temp_directory_path();
    for (int i = 0;; ++i) {
      dir_ = base / ("qtest-" + std::to_string(rd()) + "-" + std::to_string(i));
      if (fs::create_directory(dir_)) break;
    }
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Read-only entries would stop the removal on Windows.
    for (auto it = fs::recursive_directory_iterator(dir_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(dir_, ec);
  }

  // A path inside the folder written the program's way, with a backslash.
  std::string File(const std::string& name) const { return dir_.string() + "\\" + name; }
  // The same path for the standard library.
  std::filesystem::path Native(const std::string& name) const { return dir_ / name; }
  // The folder itself, the program's way.
  std::string Path() const { return dir_.string(); }

 private:
  std::filesystem::path dir_;
};

}  // namespace testutil
