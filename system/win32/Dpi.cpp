#include "system/win32/Dpi.h"

#include "system/win32/LazyLibrary.h"

namespace sys::dpi {

namespace {

// Windows 10 1607 and later.
using GetDpiForSystemFn = UINT WINAPI();
using GetDpiForWindowFn = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
// Windows 8.1: MDT_EFFECTIVE_DPI (0) of a monitor.
using GetDpiForMonitorFn = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);

// Loaded already; looked up by name so that older systems start without these calls.
LazyLibrary user32("user32.dll");
LazyLibrary shcore("shcore.dll");

int Sane(UINT dpi) { return dpi >= 48 && dpi <= 960 ? int(dpi) : 0; }

}  // namespace

int SystemDpi() {
  // Fixed for the life of an aware process.
  static const int dpi = [] {
    if (auto get = user32.Get<GetDpiForSystemFn>("GetDpiForSystem"))
      if (int d = Sane(get())) return d;
    HDC screen = GetDC(nullptr);
    const int d = screen ? Sane(UINT(GetDeviceCaps(screen, LOGPIXELSX))) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return d ? d : 96;
  }();
  return dpi;
}

int WindowDpi(HWND window) {
  HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (!top) return SystemDpi();
  static auto forWindow = user32.Get<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow)
    if (int d = Sane(forWindow(top))) return d;
  // Windows 8.1 and the first Windows 10 know each monitor's DPI, not a window's.
  static auto forMonitor = shcore.Get<GetDpiForMonitorFn>("GetDpiForMonitor");
  if (forMonitor) {
    UINT x = 0, y = 0;
    if (SUCCEEDED(forMonitor(MonitorFromWindow(top, MONITOR_DEFAULTTONEAREST), 0, &x, &y)))
      if (int d = Sane(x)) return d;
  }
  return SystemDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  static auto adjust = user32.Get<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  if (adjust)
    if (adjust(&rect, style, FALSE, exStyle, UINT(dpi))) return;
  // Older systems size frames at the system DPI only: scaled from there.
  const RECT client = rect;
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  const int system = SystemDpi();
  if (dpi == system) return;
  rect.left = client.left - MulDiv(client.left - rect.left, dpi, system);
  rect.top = client.top - MulDiv(client.top - rect.top, dpi, system);
  rect.right = client.right + MulDiv(rect.right - client.right, dpi, system);
  rect.bottom = client.bottom + MulDiv(rect.bottom - client.bottom, dpi, system);
}

bool StatusFontForDpi(LOGFONTW& font, int dpi) {
  // The structure as Vista and later have it (with the padded border), which the DPI call
  // wants; XP's is four bytes shorter.
  struct {
    NONCLIENTMETRICSW m;
    int paddedBorderWidth;
  } metrics{};
  static auto forDpi = user32.Get<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  if (forDpi) {
    metrics.m.cbSize = sizeof metrics;
    if (!forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, UINT(dpi))) return false;
    font = metrics.m.lfStatusFont;
    return true;
  }
  metrics.m.cbSize = sizeof metrics.m;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics.m, &metrics.m, 0))
    return false;
  font = metrics.m.lfStatusFont;
  // The system's font is for the system DPI.
  const int system = SystemDpi();
  if (dpi != system) font.lfHeight = MulDiv(font.lfHeight, dpi, system);
  return true;
}

}  // namespace sys::dpi
