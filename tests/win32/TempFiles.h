// Scratch files of one test run in the user's temporary folder, removed afterwards.
#pragma once
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "system/win32/Win32Environment.h"

class TempFiles {
 public:
  TempFiles() {
    auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    prefix_ = sys::Win32Environment().TempPath() + "quonthary_test_" + std::to_string(now) + "_";
  }
  ~TempFiles() {
    std::error_code ignored;
    for (const auto& path : made_) std::filesystem::remove(path, ignored);
  }
  TempFiles(const TempFiles&) = delete;
  TempFiles& operator=(const TempFiles&) = delete;

  // A path that does not exist yet; removed at the end of the test.
  std::string Path(const std::string& name) {
    made_.push_back(prefix_ + name);
    return made_.back();
  }
  // Writes a text file with CR LF line ends.
  std::string Write(const std::string& name, const std::vector<std::string>& lines) {
    std::string path = Path(name);
    std::ofstream out(path, std::ios::binary);
    for (const auto& line : lines) out << line << "\r\n";
    return path;
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

 private:
  std::string prefix_;
  std::vector<std::string> made_;
};
