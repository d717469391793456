// The program's own versions of a few C++ runtime helpers that would otherwise bring large
// parts of the library into the release. Linked into the release only, never into tests.
#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

// The runtime's default handler for an exception nobody catches prints its demangled type
// on a console a windowed program does not have; it alone pulls in the demangler (about
// 50 KB of the release). The end is the same without it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The exceptions being handled, which the library keeps per thread. Only the program's own
// thread ever throws (the audio service's threads run callbacks that only post), so one
// record serves; the library's per-thread record would bring in emulated thread-local
// storage and with it most of the threads library.
namespace __cxxabiv1 {
struct __cxa_eh_globals {
  void* caughtExceptions;
  unsigned int uncaughtExceptions;
};
namespace {
__cxa_eh_globals ehGlobals;
}
extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept { return &ehGlobals; }
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept { return &ehGlobals; }
}  // namespace __cxxabiv1

// The run-once of the 32-bit unwinder's set-up, the one thing that needs the threads
// library's thread management (some 25 KB): on the one thread that throws, a flag serves.
#ifndef __SEH__
extern "C" int pthread_once(long* once, void (*run)()) {
  if (*once == 0) {
    *once = 1;
    run();
  }
  return 0;
}
#endif

namespace {
// What the library's checks raise (a length past max_size(), an index out of range, a
// number that does not parse): their own text. The library's logic_error family would keep
// it in its old reference-counted string, whose code is some 40 KB. The program catches
// these as std::exception only.
class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* what) : what_(what) {}
  const char* what() const noexcept override { return what_; }

 private:
  const char* what_;
};
}  // namespace

namespace std {
void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_domain_error(const char* what) { throw LibraryError(what); }
void __throw_invalid_argument(const char* what) { throw LibraryError(what); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range(const char* what) { throw LibraryError(what); }
// The format's arguments (the index and the size) are left out of the text.
void __throw_out_of_range_fmt(const char* what, ...) { throw LibraryError(what); }
void __throw_runtime_error(const char* what) { throw LibraryError(what); }
void __throw_range_error(const char* what) { throw LibraryError(what); }
void __throw_overflow_error(const char* what) { throw LibraryError(what); }
void __throw_underflow_error(const char* what) { throw LibraryError(what); }
}  // namespace std
