// Captures of what is on the screen, for tests that check pixels and for screenshots.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "system/Types.h"

namespace screenshot {

struct Capture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // top-down 0x00RRGGBB
  bool Empty() const { return Pixels.empty(); }
  std::uint32_t Pixel(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
  bool SavePng(const std::string& path) const;
  // Each pixel as a factor x factor block (small windows become visible in a PNG viewer).
  Capture Scaled(int factor) const;
};

// The whole screen, as shown.
Capture Screen();
// A window's rectangle (frame included) as shown on the screen.
Capture Window(sys::WindowHandle window);
// A window's client area, painted by the window itself into memory (WM_PRINTCLIENT):
// independent of what covers it on the screen.
Capture PrintClient(sys::WindowHandle window);

// The captions of the visible push buttons in a window that a capture of it (Window) does
// not show as each paints itself: a picture taken before the last paint reached the screen
// lacks some.
std::vector<std::string> MissingButtons(const Capture& shot, sys::WindowHandle window);

bool SaveScreenPng(const std::string& path);
bool SaveWindowPng(sys::WindowHandle window, const std::string& path);

}  // namespace screenshot
