// The footprint of the indicator against a bare Win32 window (bench/win32/BareWindow.cpp),
// measured under the same system in one run. Not part of the test runs; bench/footprint
// builds what it needs and prints the four figures.
//
//   footprint.exe start <program> <window class> <runs>
//     Starts the program <runs> times: the milliseconds from process creation to its window
//     of that class being visible, then, two seconds later, its working set and private
//     bytes. Prints the medians: "start_ms=... working_set=... private=...".
//     Also its threads at that moment: "threads=...".
//   footprint.exe threadcost
//     What one more thread that only waits adds to this process's working set, the median of
//     a few: under wine about 1 MB (each new thread's stack is touched through), under Windows
//     a few pages. Prints "thread_bytes=...".
//   footprint.exe idle <ticks>
//     The indicator in this process, on the real window system with a battery that does not
//     change, against a bare window: the WM_PAINT messages and window changes per tick.
//     Prints "paints=... changes=... bare_paints=...".
#include "app/FormQuontharyMain.h"
// Then the system's headers.
#include "system/win32/WinApi.h"
#include "ui/win32/WinApi.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "system/Win32Platform.h"
#include "system/fake/FakePowerSource.h"
#include "system/fake/FakeVersionInfo.h"
#include "QuontharyVersion.h"
#include "ui/win32/Win32Backend.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

template <class T>
T Median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Found {
  DWORD Process;
  const char* Class;
  HWND Window = nullptr;
};

BOOL CALLBACK Look(HWND w, LPARAM param) {
  auto* f = reinterpret_cast<Found*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  char name[128] = {};
  GetClassNameA(w, name, sizeof name);
  if (owner == f->Process && std::string(name) == f->Class && IsWindowVisible(w)) {
    f->Window = w;
    return FALSE;
  }
  EnumChildWindows(w, Look, param);  // docked in the taskbar, the indicator is a child there
  return f->Window ? FALSE : TRUE;
}

HWND VisibleWindow(DWORD process, const char* windowClass) {
  Found f{process, windowClass};
  EnumWindows(Look, reinterpret_cast<LPARAM>(&f));
  return f.Window;
}

int Threads(DWORD process) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    count += entry.th32OwnerProcessID == process;
  CloseHandle(snapshot);
  return count;
}

SIZE_T WorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(process, &pmc, sizeof pmc);
  return pmc.WorkingSetSize;
}

DWORD WINAPI WaitForever(void*) {
  Sleep(INFINITE);
  return 0;
}

int ThreadCost() {
  std::vector<SIZE_T> costs;
  for (int i = 0; i < 5; ++i) {
    const SIZE_T before = WorkingSet(GetCurrentProcess());
    HANDLE thread = CreateThread(nullptr, 0, WaitForever, nullptr, 0, nullptr);
    Sleep(200);
    costs.push_back(WorkingSet(GetCurrentProcess()) - before);
    CloseHandle(thread);  // left waiting: a thread's stack is kept until it ends
  }
  std::printf("thread_bytes=%llu\n", static_cast<unsigned long long>(Median(costs)));
  return 0;
}

int Start(const std::string& program, const char* windowClass, int runs) {
  std::vector<double> starts;
  std::vector<SIZE_T> sets, privates;
  std::vector<int> threads;
  const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
  for (int i = 0; i < runs; ++i) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + program + "\"";
    const double t0 = Now();
    if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi)) {
      std::fprintf(stderr, "cannot start %s (%lu)\n", program.c_str(), GetLastError());
      return 1;
    }
    double shown = -1;
    while (Now() - t0 < 20000) {
      if (VisibleWindow(pi.dwProcessId, windowClass)) {
        shown = Now() - t0;
        break;
      }
      Sleep(1);
    }
    Sleep(2000);
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
    const int running = Threads(pi.dwProcessId);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (shown < 0) {
      std::fprintf(stderr, "%s showed no window of class %s\n", program.c_str(), windowClass);
      return 1;
    }
    // The first start loads everything from disk: a warm-up, not counted.
    if (i == 0 && runs > 1) continue;
    starts.push_back(shown);
    sets.push_back(pmc.WorkingSetSize);
    privates.push_back(pmc.PrivateUsage);
    threads.push_back(running);
  }
  std::printf("start_ms=%.1f working_set=%llu private=%llu threads=%d\n", Median(starts),
              static_cast<unsigned long long>(Median(sets)),
              static_cast<unsigned long long>(Median(privates)), Median(threads));
  return 0;
}

long barePaints = 0;
LRESULT CALLBACK BareProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    barePaints += 1;
    PAINTSTRUCT ps;
    BeginPaint(w, &ps);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

int Idle(int ticks) {
  ui::win32::InstallWin32();
  ui::TApplication& app = ui::Application();
  // The running system in all but the battery, which stays full on mains.
  sys::FakePowerSource power;
  power.Status.ACLineStatus = 1;
  power.Status.BatteryFlag = 1;
  power.Status.BatteryLifePercent = 100;
  // This tool has no version resource of its own: it answers with the program's version, the
  // one stored as already seen, so the about dialog does not open and hold the run.
  sys::FakeVersionInfo version;
  version.Version = std::array<std::uint16_t, 4>{Q_VERSION_BINARY};
  sys::Platform& real = sys::Win32Platform();
  sys::Platform platform{power,       real.Reg,   real.Mix,  real.Keys, real.Monitor,
                         real.Audio,  real.Shell, real.Icmp, version,   real.Env,
                         real.Screen, real.Time,  real.Inet};
  auto owner = std::make_unique<TFormQuontharyMain>(&app, platform);
  app.SetMainForm(owner.get());
  app.ShowWindow(ui::SW_Hide);
  owner->SetVisible(false);
  owner->Show();
  TFormQuonthary& f = *owner->Indicator;
  for (int i = 0; i < 5; ++i) {
    f.TimerTimer(&f);
    Pump();
    Sleep(20);
  }
  ui::win32::Traffic() = {};
  for (int i = 0; i < ticks; ++i) {
    f.TimerTimer(&f);
    Pump();
  }
  Sleep(50);
  Pump();
  const ui::win32::WindowTraffic traffic = ui::win32::Traffic();
  owner.reset();

  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FootprintBareWindow";
  RegisterClassA(&wc);
  HWND bare = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Bare", WS_POPUP, 5, 700, 50, 14,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(bare, SW_SHOWNOACTIVATE);
  Pump();
  Sleep(50);
  Pump();
  barePaints = 0;
  for (int i = 0; i < ticks; ++i) Pump();
  DestroyWindow(bare);
  std::printf("paints=%.3f changes=%.3f bare_paints=%.3f\n", double(traffic.Paints) / ticks,
              double(traffic.Changes) / ticks, double(barePaints) / ticks);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "start" && argc == 5) return Start(argv[2], argv[3], std::atoi(argv[4]));
  if (mode == "idle" && argc == 3) return Idle(std::atoi(argv[2]));
  if (mode == "threadcost") return ThreadCost();
  std::fprintf(stderr,
               "usage: footprint start <program> <class> <runs> | threadcost | idle <ticks>\n");
  return 2;
}
