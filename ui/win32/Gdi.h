// Owners for GDI and USER handles, and colour conversion.
#pragma once
#include "ui/win32/WinApi.h"

#include <utility>

#include "ui/Types.h"

namespace ui::win32 {

// A GDI object (font, brush, pen, bitmap, region) deleted with DeleteObject.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      handle_ = std::exchange(o.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }
  // Gives the handle away (to a call that takes ownership, such as SetWindowRgn).
  H Release() { return std::exchange(handle_, nullptr); }

 private:
  H handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// Selects an object into a DC for a scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves the DC's state (clip region, colours, modes) for a scope.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, id_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int id_;
};

// GetDC/ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC with a top-down 32-bit DIB section selected: a paint buffer or a picture.
class MemoryDC {
 public:
  MemoryDC(HDC reference, int width, int height);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return dc_; }
  bool Valid() const { return dc_ && bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0x00RRGGBB pixels, top-down rows (valid after GdiFlush).
  std::uint32_t* Bits() const { return bits_; }

 private:
  HDC dc_ = nullptr;
  BitmapHandle bitmap_;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

// A Windows colour for a TColor (system colours through GetSysColor).
COLORREF ToColorRef(TColor color);
// 0x00RRGGBB (a Bitmap pixel) to a COLORREF.
inline COLORREF PixelToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace ui::win32
