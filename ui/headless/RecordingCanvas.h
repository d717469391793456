// The headless drawing surface: records every call so tests can check what would be drawn,
// with the headless backend's text metrics. And a menu shown on it the way the system shows
// an owner-drawn menu: each visible item measured, stacked in one column as wide as the
// widest, then drawn.
#pragma once
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/ExtCtrls.h"
#include "ui/Menus.h"

namespace ui::headless {

struct CanvasOp {
  enum Kind { Fill, Gradient, Words, WordsUp, Check, Arrow, Lines };
  Kind What = Fill;
  sys::Rect Rect;         // WordsUp: its box
  TColor Color = clNone;  // fill, text, mark colour; a gradient's start
  TColor EndColor = clNone;
  TGradientDirection Direction = TGradientDirection::LeftToRight;
  std::string Text;
  TFont Font;
  TAlignment Alignment = TAlignment::LeftJustify;
  bool Prefixes = false;
  std::vector<sys::Point> Points;  // Lines
  int Width = 0;                   // Lines
};

class RecordingCanvas : public TCanvas {
 public:
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

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  void Clear() { ops_.clear(); }

 private:
  std::vector<CanvasOp> ops_;
};

// One item of a menu as shown: its place and what was drawn for it.
struct ShownItem {
  TMenuItem* Item = nullptr;
  sys::Rect Rect;
  std::vector<CanvasOp> Ops;
};

// Shows the visible items of parent (the menu's root for the top level, or an item with a
// sub-menu) through the menu's owner drawing; hover is drawn selected. The column starts at
// (0, 0).
std::vector<ShownItem> ShowMenu(const TPopupMenu& menu, const TMenuItem& parent,
                                const TMenuItem* hover = nullptr);

// What a paint box draws when its window paints it (its own coordinates).
std::vector<CanvasOp> PaintOps(const TPaintBox& box);

}  // namespace ui::headless
