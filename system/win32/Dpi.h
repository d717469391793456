// The pixels per inch Windows shows a window at. The program declares per-monitor awareness
// (v2) in its manifest: Windows 10 1607 and later tell each window's DPI, 8.1 each monitor's,
// Vista to 8 one DPI for the whole system, and XP the DPI the user set for the screen.
// Every newer call is looked up at run time, so the program still starts on XP.
#pragma once
#include <windows.h>

namespace sys::dpi {

// The DPI of the screen at start (the primary monitor's when the user signed in).
int SystemDpi();
// The DPI of the monitor the window's top-level window is on: for a child of another
// program's window (the taskbar), that window's monitor.
int WindowDpi(HWND window);
// The thickness of a window's frame at a DPI: the window rectangle around a client rectangle.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The font the system gives tooltips and status bars, at a DPI; false when it cannot be read.
bool StatusFontForDpi(LOGFONTW& font, int dpi);

}  // namespace sys::dpi
