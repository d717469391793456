// A stand-in taskbar for the tests that dock the indicator: runs tests/doubles/TaskbarDouble
// (built beside the test program) with options, waits until its windows exist, and closes it
// again (WM_CLOSE, then the end of its process) when destroyed. Close and Start again within
// one test to play a restarted Explorer; each start broadcasts "TaskbarCreated".
//
// Which "Shell_TrayWnd" the program finds: the test desktop "shell" already has Wine's own, a
// taskbar without a notification area that is not topmost. The stand-in's is topmost, and
// FindWindow walks the top-level windows in z-order, topmost ones first: while a stand-in
// runs, FindWindow("Shell_TrayWnd") returns its window (Start waits until it does). Run one
// stand-in at a time.
//
// Closing it destroys what is docked into it, on the test's own thread: the waits here handle
// the test thread's messages meanwhile, as the test's message loop would.
#pragma once
#include <windows.h>

#include <string>

namespace win32test {

class StandInTaskbar {
 public:
  struct Options {
    int Height = 40;  // 0: a visible taskbar with an empty rectangle
    bool NotificationArea = true;
    bool EmptyNotificationArea = false;  // a "TrayNotifyWnd" of no size
    // Windows 11: a "Windows.UI.Composition.DesktopWindowContentBridge" over the whole face,
    // raised above its siblings by RaiseBridge and, when RaiseEveryMs > 0, that often.
    bool Windows11 = false;
    int RaiseEveryMs = 0;
    bool Hidden = false;  // never shown, zero-sized
  };
  // Sent to the taskbar: raise the content bridge now (TaskbarDouble's kRaiseBridge).
  static constexpr UINT kRaiseBridge = WM_APP + 1;
  // Set on its taskbar once it has broadcast "TaskbarCreated" (TaskbarDouble's kAnnounced).
  static constexpr char kAnnounced[] = "TaskbarDouble.Announced";

  StandInTaskbar() : StandInTaskbar(Options{}) {}
  explicit StandInTaskbar(const Options& options) : options_(options) { Start(); }
  ~StandInTaskbar() { Close(); }
  StandInTaskbar(const StandInTaskbar&) = delete;
  StandInTaskbar& operator=(const StandInTaskbar&) = delete;

  // Starts it (again); true once its windows exist, FindWindow finds its taskbar and it has
  // announced itself ("TaskbarCreated" is then in the queue of each window that was there).
  bool Start() {
    if (Running()) return true;
    std::string command = "\"" + Program() + "\" --height=" + std::to_string(options_.Height);
    if (!options_.NotificationArea) command += " --no-tray";
    if (options_.EmptyNotificationArea) command += " --empty-tray";
    if (options_.Windows11) command += " --win11";
    if (options_.RaiseEveryMs > 0)
      command += " --raise-every=" + std::to_string(options_.RaiseEveryMs);
    if (options_.Hidden) command += " --hidden";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
    for (int waited = 0; waited < 10000; waited += 20) {
      if (Ready()) return true;
      if (WaitPumping(20)) break;  // it ended
    }
    Close();
    return false;
  }

  // Closes it as a user ending Explorer would; true when its process ended.
  bool Close() {
    if (!process_) return true;
    if (HWND bar = Window()) PostMessageA(bar, WM_CLOSE, 0, 0);
    bool ended = WaitPumping(10000);
    if (!ended) TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
    return ended;
  }

  bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

  HWND Window() const {
    for (HWND w = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr); w;
         w = FindWindowExA(nullptr, w, "Shell_TrayWnd", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (processId_ && owner == processId_) return w;
    }
    return nullptr;
  }
  HWND NotificationArea() const { return Child("TrayNotifyWnd"); }
  HWND Bridge() const { return Child("Windows.UI.Composition.DesktopWindowContentBridge"); }
  RECT Rect() const {
    RECT r{};
    GetWindowRect(Window(), &r);
    return r;
  }
  void RaiseBridge() const { SendMessageA(Window(), kRaiseBridge, 0, 0); }

 private:
  static std::string Program() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\') + 1) + "TaskbarDouble.exe";
  }

  HWND Child(const char* className) const {
    HWND bar = Window();
    return bar ? FindWindowExA(bar, nullptr, className, nullptr) : nullptr;
  }

  bool Ready() const {
    HWND bar = Window();
    if (!bar || FindWindowA("Shell_TrayWnd", nullptr) != bar) return false;
    if (!GetPropA(bar, kAnnounced)) return false;
    if (options_.NotificationArea && !NotificationArea()) return false;
    if (options_.Windows11 && !Bridge()) return false;
    return options_.Hidden || IsWindowVisible(bar);
  }

  // Waits up to ms for the process to end, handling this thread's messages meanwhile; true
  // when it ended. What it queued for this thread before it ended (the destruction of a
  // window docked into it, its announcement) is handled before the answer: a process that
  // ends at once would otherwise leave it to a later step.
  bool WaitPumping(DWORD ms) const {
    const DWORD start = GetTickCount();
    for (;;) {
      const DWORD spent = GetTickCount() - start;
      if (spent >= ms) {
        HandleQueued();
        return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
      }
      const DWORD r = MsgWaitForMultipleObjects(1, &process_, FALSE, ms - spent, QS_ALLINPUT);
      HandleQueued();
      if (r == WAIT_OBJECT_0) return true;
      if (r != WAIT_OBJECT_0 + 1) return false;
    }
  }
  static void HandleQueued() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  Options options_;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

}  // namespace win32test
