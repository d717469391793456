#include "ui/headless/RecordingCanvas.h"

#include <algorithm>

#include "ui/headless/HeadlessBackend.h"

namespace ui::headless {

TextSize RecordingCanvas::TextExtent(const TFont& font, const std::string& text, bool prefixes) {
  const std::string shown = prefixes ? StripAccelerator(text) : text;
  return {int(shown.size()) * HeadlessBackend::CharWidth(font), HeadlessBackend::LineHeight(font)};
}

void RecordingCanvas::FillRect(const sys::Rect& rect, TColor color) {
  CanvasOp op;
  op.What = CanvasOp::Fill;
  op.Rect = rect;
  op.Color = color;
  ops_.push_back(op);
}

void RecordingCanvas::GradientFill(const sys::Rect& rect, TColor start, TColor end,
                                   TGradientDirection direction) {
  CanvasOp op;
  op.What = CanvasOp::Gradient;
  op.Rect = rect;
  op.Color = start;
  op.EndColor = end;
  op.Direction = direction;
  ops_.push_back(op);
}

void RecordingCanvas::TextRect(const sys::Rect& rect, const std::string& text, const TFont& font,
                               TAlignment alignment, bool prefixes) {
  CanvasOp op;
  op.What = CanvasOp::Words;
  op.Rect = rect;
  op.Color = font.Color;
  op.Text = text;
  op.Font = font;
  op.Alignment = alignment;
  op.Prefixes = prefixes;
  ops_.push_back(op);
}

void RecordingCanvas::TextUp(int x, int y, const std::string& text, const TFont& font) {
  const TextSize size = TextExtent(font, text, false);
  CanvasOp op;
  op.What = CanvasOp::WordsUp;
  op.Rect = {x, y - size.Width, x + size.Height, y};
  op.Color = font.Color;
  op.Text = text;
  op.Font = font;
  ops_.push_back(op);
}

void RecordingCanvas::Polyline(const std::vector<sys::Point>& points, TColor color, int width) {
  CanvasOp op;
  op.What = CanvasOp::Lines;
  op.Color = color;
  op.Points = points;
  op.Width = width;
  ops_.push_back(op);
}

void RecordingCanvas::CheckMark(const sys::Rect& rect, TColor color) {
  CanvasOp op;
  op.What = CanvasOp::Check;
  op.Rect = rect;
  op.Color = color;
  ops_.push_back(op);
}

void RecordingCanvas::SubmenuArrow(const sys::Rect& rect, TColor color) {
  CanvasOp op;
  op.What = CanvasOp::Arrow;
  op.Rect = rect;
  op.Color = color;
  ops_.push_back(op);
}

std::vector<CanvasOp> PaintOps(const TPaintBox& box) {
  RecordingCanvas canvas;
  box.Paint(canvas);
  return canvas.Ops();
}

std::vector<ShownItem> ShowMenu(const TPopupMenu& menu, const TMenuItem& parent,
                                const TMenuItem* hover) {
  std::vector<ShownItem> shown;
  RecordingCanvas canvas;
  int width = 0, top = 0;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Item(i);
    if (!item->Visible()) continue;
    int w = 0, h = 0;
    menu.MeasureItem(*item, canvas, w, h);
    shown.push_back({item, {0, top, 0, top + h}, {}});
    width = std::max(width, w);
    top += h;
  }
  for (ShownItem& s : shown) {
    s.Rect.Right = width;
    TOwnerDrawState state;
    state.Selected = s.Item == hover && !s.Item->IsSeparator();
    state.Disabled = !s.Item->Enabled();
    state.Checked = s.Item->Checked();
    state.Default = s.Item->Default();
    canvas.Clear();
    menu.DrawItem(*s.Item, canvas, s.Rect, state);
    s.Ops = canvas.Ops();
  }
  return shown;
}

}  // namespace ui::headless
