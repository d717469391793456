// The drawing surface over a device context (an owner-drawn menu item's, or the screen's for
// measuring). Fonts come from the backend; what it selects is undone when it goes.
#pragma once
#include "ui/win32/WinApi.h"

#include "ui/Canvas.h"
#include "ui/win32/BackendImpl.h"

namespace ui::win32 {

class DcCanvas : public TCanvas {
 public:
  DcCanvas(HDC dc, Win32Backend& backend);
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
  HDC dc_;
  Win32Backend& backend_;
  int saved_;
};

}  // namespace ui::win32
