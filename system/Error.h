// The program's own exceptions: a message and nothing more. Not std::runtime_error nor
// std::logic_error: those keep their text in the C++ library's old reference-counted
// string, whose code (some 40 KB) would come into the release for them alone.
#pragma once
#include <exception>
#include <string>
#include <utility>

namespace sys {

class Error : public std::exception {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace sys
