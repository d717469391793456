#include "ui/win32/DcCanvas.h"

#include <vector>

namespace ui::win32 {

namespace {

TRIVERTEX Vertex(int x, int y, COLORREF c) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = COLOR16(GetRValue(c) << 8);
  v.Green = COLOR16(GetGValue(c) << 8);
  v.Blue = COLOR16(GetBValue(c) << 8);
  return v;
}

// start + (end - start) * num / den, per channel.
COLORREF Mix(COLORREF start, COLORREF end, long long num, long long den) {
  auto channel = [&](int a, int b) { return int(a + (b - a) * num / (den ? den : 1)); };
  return RGB(channel(GetRValue(start), GetRValue(end)), channel(GetGValue(start), GetGValue(end)),
             channel(GetBValue(start), GetBValue(end)));
}

UINT AlignFlags(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::RightJustify:
      return DT_RIGHT;
    case TAlignment::Center:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

}  // namespace

DcCanvas::DcCanvas(HDC dc, Win32Backend& backend, const Scaling& scaling, POINT origin)
    : dc_(dc), backend_(backend), scaling_(scaling), origin_(origin), saved_(SaveDC(dc)) {
  SetBkMode(dc_, TRANSPARENT);
}

DcCanvas::~DcCanvas() { RestoreDC(dc_, saved_); }

TextSize DcCanvas::TextExtent(const TFont& font, const std::string& text, bool prefixes) {
  SelectObject(dc_, FontOf(font));
  RECT r{0, 0, 0, 0};
  DrawTextA(dc_, text.c_str(), int(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | (prefixes ? 0u : UINT(DT_NOPREFIX)));
  return {scaling_.DesignLength(int(r.right - r.left)),
          scaling_.DesignLength(int(r.bottom - r.top))};
}

void DcCanvas::FillRect(const sys::Rect& rect, TColor color) {
  const RECT r = Pixels(rect);
  Brush brush(CreateSolidBrush(ToColorRef(color)));
  ::FillRect(dc_, &r, brush.Get());
}

void DcCanvas::GradientFill(const sys::Rect& rect, TColor start, TColor end,
                            TGradientDirection direction) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  const COLORREF from = ToColorRef(start), to = ToColorRef(end);
  const RECT pixels = Pixels(rect);
  const int l = pixels.left, t = pixels.top, r = pixels.right, b = pixels.bottom;
  if (direction != TGradientDirection::DiagonalRightToLeft) {
    TRIVERTEX v[2] = {Vertex(l, t, from), Vertex(r, b, to)};
    GRADIENT_RECT g{0, 1};
    ::GradientFill(
        dc_, v, 2, &g, 1,
        direction == TGradientDirection::LeftToRight ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return;
  }
  // The colour falls off linearly along the diagonal from the bottom right corner to the top
  // left one; two triangles with the corners' colours give it exactly.
  const long long w = r - l, h = b - t, den = w * w + h * h;
  TRIVERTEX v[4] = {Vertex(l, t, to), Vertex(r, t, Mix(from, to, h * h, den)), Vertex(r, b, from),
                    Vertex(l, b, Mix(from, to, w * w, den))};
  GRADIENT_TRIANGLE g[2] = {{0, 1, 2}, {0, 2, 3}};
  ::GradientFill(dc_, v, 4, g, 2, GRADIENT_FILL_TRIANGLE);
}

void DcCanvas::TextRect(const sys::Rect& rect, const std::string& text, const TFont& font,
                        TAlignment alignment, bool prefixes) {
  RECT r = Pixels(rect);
  SelectObject(dc_, FontOf(font));
  SetTextColor(dc_, ToColorRef(font.Color));
  DrawTextA(
      dc_, text.c_str(), int(text.size()), &r,
      DT_SINGLELINE | DT_VCENTER | AlignFlags(alignment) | (prefixes ? 0u : UINT(DT_NOPREFIX)));
}

void DcCanvas::TextUp(int x, int y, const std::string& text, const TFont& font) {
  // Turned text needs an outline font: the TrueType one of that name, or the nearest.
  Font turned(CreateFontA(-scaling_.ToPixels(font.Height), 0, 900, 900,
                          font.Bold ? FW_BOLD : FW_NORMAL, font.Italic, font.Underline, FALSE,
                          DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, font.Name.c_str()));
  Selection selected(dc_, turned.Get());
  SetTextColor(dc_, ToColorRef(font.Color));
  SetTextAlign(dc_, TA_LEFT | TA_TOP);
  TextOutA(dc_, X(x), Y(y), text.c_str(), int(text.size()));
}

void DcCanvas::Polyline(const std::vector<sys::Point>& points, TColor color, int width) {
  if (points.empty()) return;
  std::vector<POINT> line;
  for (const sys::Point& p : points) line.push_back({X(p.X), Y(p.Y)});
  Pen pen(CreatePen(PS_SOLID, Length(width < 1 ? 1 : width), ToColorRef(color)));
  Selection selected(dc_, pen.Get());
  if (line.size() == 1) {
    // A line of one point is a dot.
    MoveToEx(dc_, line[0].x, line[0].y, nullptr);
    LineTo(dc_, line[0].x + 1, line[0].y);
    return;
  }
  ::Polyline(dc_, line.data(), int(line.size()));
}

void DcCanvas::CheckMark(const sys::Rect& rect, TColor color) {
  // The classic 7 x 7 tick, three pixels thick (at 96 DPI; in proportion at others).
  const RECT r = Pixels(rect);
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  auto p = [this](int design) { return scaling_.ToPixels(design); };
  Pen pen(CreatePen(PS_SOLID, 1, ToColorRef(color)));
  Selection selected(dc_, pen.Get());
  for (int i = 0; i < p(3); ++i) {
    POINT tick[3] = {
        {cx - p(3), cy - p(1) + i}, {cx - p(1), cy + p(1) + i}, {cx + p(4), cy - p(4) + i}};
    ::Polyline(dc_, tick, 3);
  }
}

void DcCanvas::SubmenuArrow(const sys::Rect& rect, TColor color) {
  const RECT r = Pixels(rect);
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const int half = scaling_.ToPixels(4), tip = scaling_.ToPixels(2);
  Pen pen(CreatePen(PS_SOLID, 1, ToColorRef(color)));
  Brush brush(CreateSolidBrush(ToColorRef(color)));
  Selection withPen(dc_, pen.Get());
  Selection withBrush(dc_, brush.Get());
  POINT arrow[3] = {{cx - tip, cy - half}, {cx + tip, cy}, {cx - tip, cy + half}};
  Polygon(dc_, arrow, 3);
}

}  // namespace ui::win32
