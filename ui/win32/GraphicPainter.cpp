#include "ui/win32/GraphicPainter.h"

#include <algorithm>
#include <cstring>

#include "ui/ExtCtrls.h"
#include "ui/StdCtrls.h"
#include "ui/win32/DcCanvas.h"

namespace ui::win32 {

namespace {

// A system colour as a Bitmap pixel (0x00RRGGBB).
std::uint32_t SysPixel(int index) {
  const COLORREF c = GetSysColor(index);
  return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

void Fill(HDC dc, const RECT& rect, TColor color) {
  Brush brush(CreateSolidBrush(ToColorRef(color)));
  FillRect(dc, &rect, brush.Get());
}

// Draws a picture into dest (stretching when the sizes differ, pixel by pixel: the pictures
// are pixel art, which blending would blur); with transparent, pixels of the picture's
// bottom-left colour leave what is beneath.
void DrawPicture(HDC dc, const Bitmap& picture, const RECT& dest, bool transparent) {
  const int w = picture.Width(), h = picture.Height();
  MemoryDC source(dc, w, h);
  if (!source.Valid()) return;
  std::memcpy(source.Bits(), picture.Pixels().data(), picture.Pixels().size() * 4);
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  SetStretchBltMode(dc, COLORONCOLOR);
  if (transparent) {
    TransparentBlt(dc, dest.left, dest.top, dw, dh, source.Get(), 0, 0, w, h,
                   PixelToColorRef(picture.TransparentColor()));
  } else if (dw == w && dh == h) {
    BitBlt(dc, dest.left, dest.top, w, h, source.Get(), 0, 0, SRCCOPY);
  } else {
    StretchBlt(dc, dest.left, dest.top, dw, dh, source.Get(), 0, 0, w, h, SRCCOPY);
  }
}

void PaintLabel(HDC dc, const TLabel& label, Win32Backend& backend, const Scaling& scale) {
  RECT rect = PixelBounds(label, scale);
  if (!label.Transparent()) Fill(dc, rect, label.Color());
  const std::string& text = label.Caption();
  if (text.empty()) return;
  SelectObject(dc, backend.FontFor(label.Font(), scale.Dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label.Enabled() ? ToColorRef(label.Font().Color) : GetSysColor(COLOR_GRAYTEXT));
  const UINT flags = LabelTextFlags(label.Alignment(), label.WordWrap(), label.ShowAccelChar());
  if (label.Layout() != TTextLayout::Top) {
    RECT calc = rect;
    DrawTextA(dc, text.c_str(), int(text.size()), &calc, flags | DT_CALCRECT);
    const int height = calc.bottom - calc.top;
    if (label.Layout() == TTextLayout::Center)
      rect.top += (rect.bottom - rect.top - height) / 2;
    else
      rect.top = rect.bottom - height;
  }
  DrawTextA(dc, text.c_str(), int(text.size()), &rect, flags);
}

void PaintImage(HDC dc, const TImage& image, const Scaling& scale) {
  const RECT bounds = PixelBounds(image, scale);
  const int boxWidth = bounds.right - bounds.left, boxHeight = bounds.bottom - bounds.top;
  if (image.SystemIcon()) {
    // A standard icon at this DPI: the system's own picture of that size, not a stretched
    // 32 x 32 one.
    int w = scale.ToPixels(32), h = w;
    int x = bounds.left, y = bounds.top;
    if (image.Stretch()) {
      w = boxWidth;
      h = boxHeight;
    } else if (image.Center()) {
      x += (boxWidth - w) / 2;
      y += (boxHeight - h) / 2;
    }
    auto icon = static_cast<HICON>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(image.SystemIcon()), IMAGE_ICON, w, h, LR_SHARED));
    if (!icon) icon = LoadIconA(nullptr, MAKEINTRESOURCEA(image.SystemIcon()));
    if (!icon) return;
    DrawIconEx(dc, x, y, icon, w, h, 0, nullptr, DI_NORMAL);
    return;
  }
  const PictureRef& picture = image.Picture();
  if (!picture || picture->Empty()) return;
  // A picture at its own size is as many design pixels big.
  const int w = scale.ToPixels(picture->Width()), h = scale.ToPixels(picture->Height());
  RECT dest{bounds.left, bounds.top, bounds.left + w, bounds.top + h};
  if (image.Stretch()) {
    dest = bounds;
  } else if (image.Center()) {
    OffsetRect(&dest, (boxWidth - w) / 2, (boxHeight - h) / 2);
  }
  DrawPicture(dc, *picture, dest, image.Transparent());
}

void PaintShape(HDC dc, const TShape& shape, const Scaling& scale) {
  Pen pen(CreatePen(PS_SOLID, scale.ToPixels(1), ToColorRef(shape.PenColor())));
  Brush brush;
  if (shape.BrushColor() != clNone) brush.Reset(CreateSolidBrush(ToColorRef(shape.BrushColor())));
  SelectObject(dc, pen.Get());
  SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
  const RECT bounds = PixelBounds(shape, scale);
  int x = bounds.left, y = bounds.top, w = bounds.right - x, h = bounds.bottom - y;
  const TShapeType type = shape.Shape();
  if (type == TShapeType::Square || type == TShapeType::RoundSquare || type == TShapeType::Circle) {
    const int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (type) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
      Rectangle(dc, x, y, x + w, y + h);
      break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare: {
      const int corner = std::min(w, h) / 4;
      RoundRect(dc, x, y, x + w, y + h, corner, corner);
      break;
    }
    case TShapeType::Ellipse:
    case TShapeType::Circle:
      Ellipse(dc, x, y, x + w, y + h);
      break;
  }
  // The pen and brush leave the DC before they are deleted (the caller restores it).
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
}

void PaintSpeedButton(HDC dc, const TSpeedButton& button, Win32Backend& backend,
                      const Scaling& scale, bool pressed) {
  RECT rect = PixelBounds(button, scale);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  Fill(dc, rect, button.Color());
  if (!button.Flat())
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  else if (pressed)
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  const int shift = pressed ? scale.ToPixels(1) : 0;
  const std::string& text = button.Caption();
  SelectObject(dc, backend.FontFor(button.Font(), scale.Dpi));
  SIZE textSize{0, 0};
  if (!text.empty()) {
    RECT calc{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &calc, DT_CALCRECT | DT_SINGLELINE);
    textSize = SIZE{calc.right, calc.bottom};
  }
  const PictureRef& glyph = button.Glyph();
  const int gw = glyph ? scale.ToPixels(glyph->Width()) : 0;
  const int gh = glyph ? scale.ToPixels(glyph->Height()) : 0;
  const int gap = gw && textSize.cx ? scale.ToPixels(4) : 0;
  int x = rect.left + (width - (gw + gap + textSize.cx)) / 2 + shift;
  const bool enabled = button.Enabled();
  if (glyph && !glyph->Empty()) {
    const int y = rect.top + (height - gh) / 2 + shift;
    const RECT dest{x, y, x + gw, y + gh};
    if (enabled)
      DrawPicture(dc, *glyph, dest, true);
    else
      DrawPicture(dc, glyph->Disabled(SysPixel(COLOR_BTNSHADOW), SysPixel(COLOR_BTNHIGHLIGHT)),
                  dest, true);
    x += gw + gap;
  }
  if (!text.empty()) {
    SetBkMode(dc, TRANSPARENT);
    const int y = rect.top + (height - textSize.cy) / 2 + shift;
    RECT at{x, y, x + textSize.cx, y + textSize.cy};
    const UINT flags = DT_SINGLELINE | DT_NOCLIP;
    if (enabled) {
      SetTextColor(dc, ToColorRef(button.Font().Color));
    } else {
      // Engraved, as the glyph: a light copy below and to the right, then the grey text.
      RECT light = at;
      OffsetRect(&light, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextA(dc, text.c_str(), int(text.size()), &light, flags);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextA(dc, text.c_str(), int(text.size()), &at, flags);
  }
}

// The program's own drawing, in the box's design coordinates. What it throws ends the drawing
// of this paint only: an error box here would be painted over by the next paint, forever.
void PaintBox(HDC dc, const TPaintBox& box, Win32Backend& backend, const Scaling& scale) {
  const RECT bounds = PixelBounds(box, scale);
  DcCanvas canvas(dc, backend, scale, POINT{bounds.left, bounds.top});
  try {
    box.Paint(canvas);
  } catch (...) {
  }
}

}  // namespace

RECT PixelBounds(const TControl& c, const Scaling& scale) {
  sys::Rect r = scale.ToPixels(sys::Rect{c.Left(), c.Top(), c.Right(), c.Bottom()});
  // A label's height is never rounded down: the line of text it was made to hold keeps its
  // descenders (a font's line grows a little more than the DPI).
  if (dynamic_cast<const TLabel*>(&c))
    r.Bottom = std::max(r.Bottom, r.Top + scale.ToPixelsAtLeast(c.Height()));
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

UINT LabelTextFlags(TAlignment alignment, bool wordWrap, bool showAccel) {
  UINT flags = DT_EXPANDTABS | (showAccel ? 0u : UINT(DT_NOPREFIX));
  if (wordWrap) flags |= DT_WORDBREAK;
  if (alignment == TAlignment::RightJustify) flags |= DT_RIGHT;
  if (alignment == TAlignment::Center) flags |= DT_CENTER;
  return flags;
}

void PaintGraphic(HDC dc, const TControl& control, Win32Backend& backend, const Scaling& scale,
                  bool pressed) {
  SavedDC saved(dc);
  const RECT clip = PixelBounds(control, scale);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  if (auto* label = dynamic_cast<const TLabel*>(&control))
    PaintLabel(dc, *label, backend, scale);
  else if (auto* image = dynamic_cast<const TImage*>(&control))
    PaintImage(dc, *image, scale);
  else if (auto* shape = dynamic_cast<const TShape*>(&control))
    PaintShape(dc, *shape, scale);
  else if (auto* button = dynamic_cast<const TSpeedButton*>(&control))
    PaintSpeedButton(dc, *button, backend, scale, pressed);
  else if (auto* box = dynamic_cast<const TPaintBox*>(&control))
    PaintBox(dc, *box, backend, scale);
}

void PaintGraphicChildren(HDC dc, const TWinControl& holder, Win32Backend& backend,
                          const Scaling& scaling, const TControl* pressed) {
  for (const TControl* child : holder.Controls()) {
    if (child->IsWindowed() || !child->Visible()) continue;
    if (child->Width() <= 0 || child->Height() <= 0) continue;
    PaintGraphic(dc, *child, backend, scaling, child == pressed);
  }
}

}  // namespace ui::win32
