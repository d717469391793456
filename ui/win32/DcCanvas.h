// The drawing surface over a device context (an owner-drawn menu item's, a paint box's, or the
// screen's for measuring). Its callers draw in design coordinates: the surface puts them at
// an origin in the DC, scaled to the window's DPI, and gives text sizes back as design
// lengths. Fonts come from the backend; what it selects is undone when it goes.
#pragma once
#include "ui/win32/WinApi.h"

#include <algorithm>

#include "ui/Canvas.h"
#include "ui/Scaling.h"
#include "ui/win32/BackendImpl.h"

namespace ui::win32 {

class DcCanvas : public TCanvas {
 public:
  // origin: where design (0, 0) is in the DC, in pixels.
  DcCanvas(HDC dc, Win32Backend& backend, const Scaling& scaling = {}, POINT origin = {0, 0});
  ~DcCanvas() override;
  DcCanvas(const DcCanvas&) = delete;
  DcCanvas& operator=(const DcCanvas&) = delete;

  TextSize TextExtent(const TFont& font, const std::string& text, bool prefixes) override;
  void FillRect(const sys::Rect& rect, TColor color) override;
  void GradientFill(const sys::Rect& rect, TColor start, TColor end,
                    TGradientDirection direction) override;
  void TextRect(const sys::Rect& rect, const std::string& text, const TFont& font,
                TAlignment alignment, bool prefixes) override;
  void TextUp(int x, int y, const std::string& text, const TFont& font) override;
  void Polyline(const std::vector<sys::Point>& points, TColor color, int width) override;
  void CheckMark(const sys::Rect& rect, TColor color) override;
  void SubmenuArrow(const sys::Rect& rect, TColor color) override;

 private:
  int X(int x) const { return origin_.x + scaling_.ToPixels(x); }
  int Y(int y) const { return origin_.y + scaling_.ToPixels(y); }
  RECT Pixels(const sys::Rect& r) const {
    return RECT{X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom)};
  }
  int Length(int design) const { return std::max(1, scaling_.ToPixels(design)); }
  HFONT FontOf(const TFont& font) const { return backend_.FontFor(font, scaling_.Dpi); }

  HDC dc_;
  Win32Backend& backend_;
  Scaling scaling_;
  POINT origin_;
  int saved_;
};

}  // namespace ui::win32
