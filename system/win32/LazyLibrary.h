// A system library loaded the first time one of its functions is needed. The libraries only
// rare paths use (the Internet settings notice, the ICMP service while the connection check
// is off, the common dialogs, version resources, the shell) then stay out of the process
// until that moment, which keeps the resident indicator small.
#pragma once
#include <windows.h>

namespace sys {

class LazyLibrary {
 public:
  explicit constexpr LazyLibrary(const char* name) : name_(name) {}
  LazyLibrary(const LazyLibrary&) = delete;
  LazyLibrary& operator=(const LazyLibrary&) = delete;

  // The function's address, or null when the library or the function is not there (the
  // caller then fails as the call itself would: ERROR_PROC_NOT_FOUND is the last error).
  // Loaded once and kept for the process.
  template <class Function>
  Function* Get(const char* function) {
    if (!tried_) {
      module_ = LoadLibraryA(name_);
      tried_ = true;
    }
    FARPROC proc = module_ ? GetProcAddress(module_, function) : nullptr;
    if (!proc) SetLastError(ERROR_PROC_NOT_FOUND);
    // Through an untyped pointer: the signature is the caller's to know.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(proc));
  }
  bool Loaded() const { return module_ != nullptr; }

 private:
  const char* name_;
  HMODULE module_ = nullptr;
  bool tried_ = false;
};

}  // namespace sys
