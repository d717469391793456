#include "system/win32/Win32Processes.h"

#include "system/win32/LazyLibrary.h"
#include "system/win32/Owned.h"
#include "system/win32/WinApi.h"

namespace sys {

namespace {

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = Owned<HANDLE, CloseKernelHandle>;

// The record the 32-bit program has always passed.
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60, "SHELLEXECUTEINFOA layout");

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

LazyLibrary shell32("shell32.dll");

// ShellExecuteExA with a process handle; when wait is set, waits for the started program.
std::intptr_t ExecuteAndWait(const char* verb, const std::string& file, const std::string& params,
                             const std::string& directory, int show, bool wait) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = verb;
  info.lpFile = file.c_str();
  info.lpParameters = OrNull(params);
  info.lpDirectory = OrNull(directory);
  info.nShow = show;
  auto execute = shell32.Get<decltype(ShellExecuteExA)>("ShellExecuteExA");
  if (!execute) return SE_ERR_NOASSOC;
  bool started = execute(&info) != FALSE;
  const DWORD error = started ? 0 : GetLastError();
  KernelHandle process(info.hProcess);
  if (started && wait && process) WaitForSingleObject(process.get(), INFINITE);
  return LaunchCode(started, error, reinterpret_cast<std::intptr_t>(info.hInstApp));
}

}  // namespace

std::intptr_t LaunchCode(bool started, unsigned long lastError, std::intptr_t instApp) {
  if (started) return instApp;
  // The user said no to the system's question for administrator rights.
  if (lastError == ERROR_CANCELLED) return LaunchDeclined;
  // Callers test the code alone, so a failed launch must never look like a started one.
  return instApp > 32 ? SE_ERR_NOASSOC : instApp;
}

std::intptr_t Win32Processes::ShellExecuteAndWait(const std::string& file,
                                                  const std::string& params,
                                                  const std::string& directory, int show,
                                                  bool wait) {
  return ExecuteAndWait("open", file, params, directory, show, wait);
}

std::intptr_t Win32Processes::ShellExecuteElevatedAndWait(const std::string& file,
                                                          const std::string& params,
                                                          const std::string& directory, int show,
                                                          bool wait) {
  return ExecuteAndWait("runas", file, params, directory, show, wait);
}

bool Win32Processes::ElevationNeeded() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
  KernelHandle token(raw);
  // Windows XP knows no elevation: the query fails there, and a program runs with the
  // rights its user has.
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size))
    return false;
  return elevation.TokenIsElevated == 0;
}

std::intptr_t Win32Processes::ShellOpen(const std::string& target, int show) {
  auto execute = shell32.Get<decltype(ShellExecuteA)>("ShellExecuteA");
  if (!execute) return SE_ERR_NOASSOC;
  return reinterpret_cast<std::intptr_t>(
      execute(nullptr, "open", target.c_str(), nullptr, nullptr, show));
}

}  // namespace sys
