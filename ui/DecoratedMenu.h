// A decorated popup menu: owner drawing for a TPopupMenu with a side bar down the left of
// the top level (a gradient carrying a vertical caption with a shadow), separators drawn as
// fading flat lines (with a caption when one is given), and the items in a chosen font. Check
// marks, greyed items, the bold default item, sub-menu arrows and right-aligned shortcuts
// are drawn as a plain menu has them, in sub-menus too (which have no side bar).
#pragma once
#include <map>
#include <memory>
#include <string>

#include "ui/Menus.h"

namespace ui {

struct TMenuDecoration {
  int BarWidth = 25;  // 0 = no side bar
  TColor BarStartColor = clGreen;
  TColor BarEndColor = clBlack;
  TGradientDirection BarDirection = TGradientDirection::DiagonalRightToLeft;
  // Reads upwards from the bottom of the bar, centred on its width.
  std::string BarCaption;
  TFont BarFont;
  TColor BarShadowColor = clBlack;  // clNone = no shadow
  TFont ItemFont;
  // Captions of separators, by the separator item's name (letter case ignored).
  std::map<std::string, std::string> SeparatorCaptions;
};

// The layout, in pixels.
namespace menulook {
constexpr int kCheckWidth = 20;   // the check mark column, right of the bar
constexpr int kTextIndent = 22;   // from the bar to the caption
constexpr int kShortcutGap = 24;  // between the caption and the shortcut
constexpr int kArrowWidth = 18;   // the sub-menu arrow column at the right
constexpr int kRightMargin = 4;   // after the arrow column
constexpr int kMinItemHeight = 18;
constexpr int kSeparatorHeight = 9;  // without a caption
constexpr int kCaptionMargin = 6;    // between the bar's caption and the bar's bottom
}  // namespace menulook

class TDecoratedMenu : public TComponent {
 public:
  TDecoratedMenu(TComponent* owner, TextArg name);

  // Draws this menu from now on (its menu-wide hooks); null lets it go back to the system.
  void SetMenu(TPopupMenu* menu);
  TPopupMenu* Menu() const { return menu_; }
  // The look; changes show at the next drawing.
  TMenuDecoration& Decoration() { return *look_; }
  const TMenuDecoration& Decoration() const { return *look_; }

  // What the hooks run (public for the tests of the look).
  static void Measure(const TMenuDecoration& look, TMenuItem& item, TCanvas& canvas, int& width,
                      int& height);
  static void Draw(const TMenuDecoration& look, TMenuItem& item, TCanvas& canvas,
                   const sys::Rect& rect, const TOwnerDrawState& state);

 private:
  // Shared with the menu's hooks, so a menu that outlives this component never draws with a
  // look that is gone.
  std::shared_ptr<TMenuDecoration> look_;
  TPopupMenu* menu_ = nullptr;
};

}  // namespace ui
