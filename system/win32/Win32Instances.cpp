#include "system/win32/Win32Instances.h"

#include "system/win32/WinApi.h"

namespace sys {

namespace {

// "Local\": one program per user session, as each session has its own taskbar.
const char kMutexName[] = "Local\\Quonthary.Running";
// Marks a WM_COPYDATA as a command of this program.
constexpr ULONG_PTR kCommandTag = 0x51544331;  // "QTC1"
// Answers are sent as this plus the code: a window that does not know the message answers 0.
constexpr LRESULT kAnswerBase = 0x5100;
// A command is short; anything longer is not one of ours.
constexpr DWORD kLongestCommand = 4096;
// Waiting is unlimited while the running program handles messages (its confirmation window
// may wait for the user); it ends when the program stops answering for this long.
constexpr UINT kAnswerTimeoutMs = 60000;

}  // namespace

void Win32Instances::CloseMutex::operator()(void* mutex) const { CloseHandle(mutex); }

std::string Win32Instances::CommandLine() { return GetCommandLineA(); }

bool Win32Instances::ClaimFirst() {
  if (mutex_) return true;
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  // A start that cannot make the mutex at all runs as the first: one gauge too many is
  // better than none.
  if (!mutex) return true;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  mutex_ = Owned<void*, CloseMutex>(mutex);
  return true;
}

int Win32Instances::HandOver(const std::string& windowClass, const std::string& command) {
  HWND window = FindWindowA(windowClass.c_str(), nullptr);
  if (!window) return NoWindow;
  // The start the user just made may set the foreground window; the running program may
  // too, for the windows it opens on this command.
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  AllowSetForegroundWindow(process);
  COPYDATASTRUCT data{kCommandTag, DWORD(command.size()), const_cast<char*>(command.data())};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_NORMAL | SMTO_NOTIMEOUTIFNOTHUNG, kAnswerTimeoutMs, &answer))
    return NoAnswer;
  const auto code = LRESULT(answer) - kAnswerBase;
  return code < 0 || code > 255 ? NoAnswer : int(code);
}

std::optional<std::string> Win32Instances::Received(unsigned message, std::uintptr_t,
                                                    std::intptr_t lParam) {
  if (message != WM_COPYDATA || !lParam) return std::nullopt;
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (data->dwData != kCommandTag || data->cbData > kLongestCommand) return std::nullopt;
  if (data->cbData && !data->lpData) return std::nullopt;
  return std::string(static_cast<const char*>(data->lpData), data->cbData);
}

void Win32Instances::Reply(int code) { ReplyMessage(kAnswerBase + code); }

Instances& SystemInstances() {
  static Win32Instances system;
  return system;
}

}  // namespace sys
