#include "tests/win32/Screenshot.h"

#include "tests/win32/Png.h"
#include "ui/win32/Gdi.h"

namespace screenshot {

namespace {

Capture FromDC(ui::win32::MemoryDC& memory) {
  Capture c;
  if (!memory.Valid()) return c;
  GdiFlush();
  c.Width = memory.Width();
  c.Height = memory.Height();
  c.Pixels.assign(memory.Bits(), memory.Bits() + std::size_t(c.Width) * c.Height);
  for (auto& p : c.Pixels) p &= 0x00FFFFFFu;
  return c;
}

Capture Grab(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  ui::win32::WindowDC screen(nullptr);
  ui::win32::MemoryDC memory(screen.Get(), width, height);
  if (!memory.Valid()) return {};
  BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), x, y, SRCCOPY | CAPTUREBLT);
  return FromDC(memory);
}

}  // namespace

bool Capture::SavePng(const std::string& path) const {
  return png::Write(path, Width, Height, Pixels);
}

Capture Capture::Scaled(int factor) const {
  Capture c;
  if (factor < 1 || Empty()) return c;
  c.Width = Width * factor;
  c.Height = Height * factor;
  c.Pixels.resize(std::size_t(c.Width) * c.Height);
  for (int y = 0; y < c.Height; ++y)
    for (int x = 0; x < c.Width; ++x)
      c.Pixels[std::size_t(y) * c.Width + x] = Pixel(x / factor, y / factor);
  return c;
}

Capture Screen() {
  return Grab(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

Capture Window(sys::WindowHandle window) {
  RECT r;
  if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return {};
  return Grab(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

Capture PrintClient(sys::WindowHandle window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  RECT r;
  if (!GetClientRect(hwnd, &r)) return {};
  ui::win32::WindowDC screen(nullptr);
  ui::win32::MemoryDC memory(screen.Get(), r.right, r.bottom);
  if (!memory.Valid()) return {};
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
  return FromDC(memory);
}

std::vector<std::string> MissingButtons(const Capture& shot, sys::WindowHandle window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  RECT frame;
  if (!GetWindowRect(hwnd, &frame)) return {"(no window)"};
  std::vector<HWND> buttons;
  EnumChildWindows(
      hwnd,
      [](HWND child, LPARAM found) {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        const LONG_PTR kind = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        if (IsWindowVisible(child) && lstrcmpiA(name, "Button") == 0 &&
            (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&buttons));
  std::vector<std::string> missing;
  for (HWND button : buttons) {
    const Capture own = PrintClient(reinterpret_cast<sys::WindowHandle>(button));
    POINT at{0, 0};
    ClientToScreen(button, &at);
    at.x -= frame.left;
    at.y -= frame.top;
    // Most of its pixels: a focus rectangle may come or go between the two.
    int same = 0, all = 0;
    for (int y = 0; y < own.Height; ++y)
      for (int x = 0; x < own.Width; ++x) {
        const int sx = at.x + x, sy = at.y + y;
        ++all;
        if (sx >= 0 && sy >= 0 && sx < shot.Width && sy < shot.Height &&
            shot.Pixel(sx, sy) == own.Pixel(x, y))
          ++same;
      }
    if (all == 0 || same * 10 < all * 9) {
      char caption[128] = {};
      GetWindowTextA(button, caption, sizeof caption);
      missing.push_back(caption);
    }
  }
  return missing;
}

bool SaveScreenPng(const std::string& path) { return Screen().SavePng(path); }

bool SaveWindowPng(sys::WindowHandle window, const std::string& path) {
  return Window(window).SavePng(path);
}

}  // namespace screenshot
