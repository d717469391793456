// A small drawing surface for the things the program draws itself (owner-drawn menu items,
// paint boxes):
// the win32 backend draws on a real device context, the headless backend records the calls
// so tests can check what would be drawn. Coordinates are pixels of the surface; rectangles
// exclude their right and bottom edges.
#pragma once
#include <string>
#include <vector>

#include "system/Types.h"
#include "ui/Types.h"

namespace ui {

enum class TGradientDirection {
  LeftToRight,  // the start colour at the left edge, the end colour at the right
  TopToBottom,  // the start colour at the top
  // Diagonal, right to left: the start colour in the bottom right corner, the end colour in
  // the top left one; lines of one colour run from bottom left to top right.
  DiagonalRightToLeft,
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  // The size of one line of text as shown: with prefixes, "&x" counts as x and "&&" as "&".
  virtual TextSize TextExtent(const TFont& font, const std::string& text, bool prefixes) = 0;
  virtual void FillRect(const sys::Rect& rect, TColor color) = 0;
  virtual void GradientFill(const sys::Rect& rect, TColor start, TColor end,
                            TGradientDirection direction) = 0;
  // One line of text in the font's colour, aligned in rect and centred on its height; with
  // prefixes, "&x" shows x underlined.
  virtual void TextRect(const sys::Rect& rect, const std::string& text, const TFont& font,
                        TAlignment alignment, bool prefixes) = 0;
  // One line of text turned a quarter to the left (reading upwards), in the font's colour:
  // its box is {x, y - width, x + height, y}, width and height as TextExtent gives them.
  virtual void TextUp(int x, int y, const std::string& text, const TFont& font) = 0;
  // Straight lines from point to point, width pixels wide, in color.
  virtual void Polyline(const std::vector<sys::Point>& points, TColor color, int width) = 0;
  // A menu's check mark and sub-menu arrow, centred in rect.
  virtual void CheckMark(const sys::Rect& rect, TColor color) = 0;
  virtual void SubmenuArrow(const sys::Rect& rect, TColor color) = 0;
};

}  // namespace ui
