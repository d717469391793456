#include "system/win32/Win32Processes.h"

#include "system/win32/LazyLibrary.h"
#include "system/win32/Owned.h"
#include "system/win32/WinApi.h"

namespace sys {

namespace {

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = Owned<HANDLE, CloseKernelHandle>;

// The record the 32-bit program has always passed.
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60, "SHELLEXECUTEINFOA layout");

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

LazyLibrary shell32("shell32.dll");

}  // namespace

std::intptr_t Win32Processes::ShellExecuteAndWait(const std::string& file,
                                                  const std::string& params,
                                                  const std::string& directory, int show,
                                                  bool wait) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = "open";
  info.lpFile = file.c_str();
  info.lpParameters = OrNull(params);
  info.lpDirectory = OrNull(directory);
  info.nShow = show;
  auto execute = shell32.Get<decltype(ShellExecuteExA)>("ShellExecuteExA");
  if (!execute) return SE_ERR_NOASSOC;
  bool started = execute(&info) != FALSE;
  ProcessHandle process(info.hProcess);
  auto code = reinterpret_cast<std::intptr_t>(info.hInstApp);
  // Callers test the code alone, so a failed launch must never look like a started one.
  if (!started && code > 32) code = SE_ERR_NOASSOC;
  if (started && wait && process) WaitForSingleObject(process.get(), INFINITE);
  return code;
}

std::intptr_t Win32Processes::ShellOpen(const std::string& target, int show) {
  auto execute = shell32.Get<decltype(ShellExecuteA)>("ShellExecuteA");
  if (!execute) return SE_ERR_NOASSOC;
  return reinterpret_cast<std::intptr_t>(
      execute(nullptr, "open", target.c_str(), nullptr, nullptr, show));
}

}  // namespace sys
