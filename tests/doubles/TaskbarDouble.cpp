// Stands in for Explorer's taskbar in the Windows-side tests (tests/win32/StandInTaskbar.h
// starts it). It makes a topmost "Shell_TrayWnd" along the bottom of the screen, its
// notification area "TrayNotifyWnd" at the right end with a "TrayClockWClass" inside, paints
// a plain face, then broadcasts the registered "TaskbarCreated" message, as Explorer does
// when it (re)starts. WM_CLOSE ends it; the windows docked into it go with its own.
//
// Options:
//   --height=N      the taskbar's height in pixels (default 40; 0: an empty rectangle)
//   --no-tray       no notification area
//   --empty-tray    a notification area with an empty rectangle
//   --win11         Windows 11's face: a "Windows.UI.Composition.DesktopWindowContentBridge"
//                   child over the whole face, raised above its siblings on request
//                   (kRaiseBridge) and, with --raise-every=MS, every MS milliseconds
//   --hidden        never shown and zero-sized, as Wine's desktop and some shell
//                   replacements keep one
// Not part of the program.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// Sent to "Shell_TrayWnd": raise the content bridge above its siblings now.
constexpr UINT kRaiseBridge = WM_APP + 1;
constexpr UINT_PTR kRaiseTimer = 1;
// Set on "Shell_TrayWnd" once "TaskbarCreated" has been broadcast (StandInTaskbar's kAnnounced).
constexpr char kAnnounced[] = "TaskbarDouble.Announced";
constexpr int kTrayWidth = 160, kClockWidth = 64;

struct Options {
  int Height = 40;
  bool Tray = true;
  bool EmptyTray = false;
  bool Win11 = false;
  bool Hidden = false;
  int RaiseEveryMs = 0;
};

HWND bridge = nullptr;

bool Flag(const char* arg, const char* name, int* value = nullptr) {
  const std::size_t n = std::strlen(name);
  if (std::strncmp(arg, name, n) != 0) return false;
  if (!value) return arg[n] == '\0';
  if (arg[n] != '=') return false;
  *value = std::atoi(arg + n + 1);
  return true;
}

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (Flag(a, "--no-tray"))
      o.Tray = false;
    else if (Flag(a, "--empty-tray"))
      o.EmptyTray = true;
    else if (Flag(a, "--win11"))
      o.Win11 = true;
    else if (Flag(a, "--hidden"))
      o.Hidden = true;
    else
      Flag(a, "--height", &o.Height) || Flag(a, "--raise-every", &o.RaiseEveryMs);
  }
  return o;
}

// Each window of the stand-in paints one flat colour, by its class; the clock its time too.
struct Face {
  const char* ClassName;
  COLORREF Colour;
};
const Face kFaces[] = {{"Shell_TrayWnd", RGB(36, 64, 128)},
                       {"TrayNotifyWnd", RGB(24, 48, 104)},
                       {"TrayClockWClass", RGB(24, 48, 104)},
                       {"Windows.UI.Composition.DesktopWindowContentBridge", RGB(32, 32, 32)}};

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  for (const Face& face : kFaces) {
    if (std::strcmp(className, face.ClassName) != 0) continue;
    HBRUSH brush = CreateSolidBrush(face.Colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
  }
  if (std::strcmp(className, "TrayClockWClass") == 0) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, "12:00", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK FaceProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case kRaiseBridge:
    case WM_TIMER:
      // As Explorer re-orders its children: the bridge over everything else in the taskbar.
      if (bridge)
        SetWindowPos(bridge, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return 0;
    case WM_DESTROY:
      if (GetParent(window)) return 0;
      RemovePropA(window, kAnnounced);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

void RegisterFaces() {
  for (const Face& face : kFaces) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FaceProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = face.ClassName;
    RegisterClassA(&wc);
  }
}

HWND Child(const char* className, HWND parent, int x, int width, int height) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, 0, width,
                         height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = Parse(argc, argv);
  RegisterFaces();

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int width = o.Hidden ? 0 : screenWidth, height = o.Hidden ? 0 : o.Height;
  // Topmost, as Explorer's taskbar is: above Wine's own (not topmost) "Shell_TrayWnd" in the
  // z-order, so that FindWindow, which walks the top-level windows in that order, finds it.
  HWND bar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "",
                             WS_POPUP | WS_CLIPCHILDREN, 0, screenHeight - height, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!bar) return 1;
  if (o.Tray) {
    const int trayWidth = o.EmptyTray ? 0 : (width < kTrayWidth ? width : kTrayWidth);
    HWND tray = Child("TrayNotifyWnd", bar, width - trayWidth, trayWidth, o.EmptyTray ? 0 : height);
    const int clockWidth = trayWidth < kClockWidth ? trayWidth : kClockWidth;
    Child("TrayClockWClass", tray, trayWidth - clockWidth, clockWidth, height);
  }
  if (o.Win11)
    bridge = Child("Windows.UI.Composition.DesktopWindowContentBridge", bar, 0, width, height);
  if (bridge && o.RaiseEveryMs > 0) SetTimer(bar, kRaiseTimer, UINT(o.RaiseEveryMs), nullptr);
  SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (o.Hidden ? 0 : SWP_SHOWWINDOW));

  SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  // Only now is the stand-in ready for a test: the announcement is queued for every window
  // that was there, and none arrives later to re-dock in the middle of a test's steps.
  SetPropA(bar, kAnnounced, reinterpret_cast<HANDLE>(1));

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
