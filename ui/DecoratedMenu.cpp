#include "ui/DecoratedMenu.h"

#include <algorithm>
#include <vector>

namespace ui {

using namespace menulook;

namespace {

// Items of a popup menu's first level carry the side bar; sub-menus have none.
bool OnTopLevel(const TMenuItem& item) {
  const TMenuItem* parent = item.ParentItem();
  return parent && !parent->ParentItem();
}

int BarOf(const TMenuDecoration& look, const TMenuItem& item) {
  return OnTopLevel(item) ? std::max(0, look.BarWidth) : 0;
}

const std::string* SeparatorCaption(const TMenuDecoration& look, const TMenuItem& item) {
  for (const auto& entry : look.SeparatorCaptions)
    if (SameText(entry.first, item.Name()) && !entry.second.empty()) return &entry.second;
  return nullptr;
}

TFont ItemFont(const TMenuDecoration& look, const TMenuItem& item) {
  TFont font = look.ItemFont;
  if (item.Default()) font.Bold = true;
  return font;
}

// The height of an item without the room a short top level adds below its last item.
int BaseHeight(const TMenuDecoration& look, const TMenuItem& item, TCanvas& canvas) {
  const int text = canvas.TextExtent(look.ItemFont, "Ag", false).Height;
  if (item.IsSeparator()) return SeparatorCaption(look, item) ? text + 4 : kSeparatorHeight;
  return std::max(kMinItemHeight, text + 6);
}

std::vector<const TMenuItem*> VisibleSiblings(const TMenuItem& item) {
  std::vector<const TMenuItem*> shown;
  if (const TMenuItem* parent = item.ParentItem())
    for (int i = 0; i < parent->Count(); ++i)
      if (parent->Item(i)->Visible()) shown.push_back(parent->Item(i));
  return shown;
}

// The items of the top level, stacked as the system stacks them.
struct Column {
  int Offset = 0;  // of the item, from the column's top
  int Total = 0;   // the column's height
  int Extra = 0;   // added below the last item, so the bar's caption fits
  bool Last = false;
};

Column ColumnOf(const TMenuDecoration& look, const TMenuItem& item, TCanvas& canvas) {
  Column c;
  const std::vector<const TMenuItem*> shown = VisibleSiblings(item);
  for (const TMenuItem* sibling : shown) {
    if (sibling == &item) c.Offset = c.Total;
    c.Total += BaseHeight(look, *sibling, canvas);
  }
  c.Last = !shown.empty() && shown.back() == &item;
  if (BarOf(look, item) > 0 && !look.BarCaption.empty()) {
    const int needed =
        canvas.TextExtent(look.BarFont, look.BarCaption, false).Width + 2 * kCaptionMargin;
    c.Extra = std::max(0, needed - c.Total);
    c.Total += c.Extra;
  }
  return c;
}

TFont Coloured(TFont font, TColor color) {
  font.Color = color;
  return font;
}

void DrawBar(const TMenuDecoration& look, const TMenuItem& item, TCanvas& canvas,
             const sys::Rect& rect, int bar) {
  const Column column = ColumnOf(look, item, canvas);
  const int top = rect.Top - column.Offset;
  const sys::Rect whole{rect.Left, top, rect.Left + bar, top + column.Total};
  canvas.GradientFill(whole, look.BarStartColor, look.BarEndColor, look.BarDirection);
  if (look.BarCaption.empty()) return;
  const TextSize size = canvas.TextExtent(look.BarFont, look.BarCaption, false);
  const int x = whole.Left + (bar - size.Height) / 2;
  const int y = whole.Bottom - kCaptionMargin;
  if (look.BarShadowColor != clNone)
    canvas.TextUp(x + 1, y + 1, look.BarCaption, Coloured(look.BarFont, look.BarShadowColor));
  canvas.TextUp(x, y, look.BarCaption, look.BarFont);
}

void DrawSeparator(const TMenuDecoration& look, const TMenuItem& item, TCanvas& canvas,
                   const sys::Rect& area) {
  const int left = area.Left + 4, right = area.Right - 4;
  const int y = area.Top + area.Height() / 2;
  auto fade = [&](int from, int to, bool in) {
    if (to <= from) return;
    canvas.GradientFill({from, y, to, y + 1}, in ? clMenu : clBtnShadow, in ? clBtnShadow : clMenu,
                        TGradientDirection::LeftToRight);
  };
  if (const std::string* caption = SeparatorCaption(look, item)) {
    const int width = canvas.TextExtent(look.ItemFont, *caption, true).Width;
    const int middle = (left + right) / 2;
    const sys::Rect text{middle - width / 2, area.Top, middle - width / 2 + width, area.Bottom};
    canvas.TextRect(text, *caption, Coloured(look.ItemFont, clGrayText), TAlignment::Center, true);
    fade(left, text.Left - 4, true);
    fade(text.Right + 4, right, false);
  } else {
    const int middle = (left + right) / 2;
    fade(left, middle, true);
    fade(middle, right, false);
  }
}

}  // namespace

TDecoratedMenu::TDecoratedMenu(TComponent* owner, TextArg name)
    : TComponent(owner, name), look_(std::make_shared<TMenuDecoration>()) {}

void TDecoratedMenu::SetMenu(TPopupMenu* menu) {
  if (menu_) {
    menu_->OnMeasureItem = nullptr;
    menu_->OnDrawItem = nullptr;
  }
  menu_ = menu;
  if (!menu_) return;
  std::shared_ptr<const TMenuDecoration> look = look_;
  menu_->OnMeasureItem = [look](TMenuItem& item, TCanvas& canvas, int& width, int& height) {
    Measure(*look, item, canvas, width, height);
  };
  menu_->OnDrawItem = [look](TMenuItem& item, TCanvas& canvas, const sys::Rect& rect,
                             const TOwnerDrawState& state) {
    Draw(*look, item, canvas, rect, state);
  };
}

void TDecoratedMenu::Measure(const TMenuDecoration& look, TMenuItem& item, TCanvas& canvas,
                             int& width, int& height) {
  const int bar = BarOf(look, item);
  height = BaseHeight(look, item, canvas);
  if (bar > 0) {
    const Column column = ColumnOf(look, item, canvas);
    if (column.Last) height += column.Extra;
  }
  if (item.IsSeparator()) {
    const std::string* caption = SeparatorCaption(look, item);
    width = bar + 8 + (caption ? canvas.TextExtent(look.ItemFont, *caption, true).Width + 24 : 0);
    return;
  }
  const TFont font = ItemFont(look, item);
  width = bar + kTextIndent + canvas.TextExtent(font, item.Caption(), true).Width;
  if (item.ShortCut())
    width += kShortcutGap + canvas.TextExtent(font, ShortCutToText(item.ShortCut()), false).Width;
  width += kArrowWidth + kRightMargin;
}

void TDecoratedMenu::Draw(const TMenuDecoration& look, TMenuItem& item, TCanvas& canvas,
                          const sys::Rect& rect, const TOwnerDrawState& state) {
  const int bar = BarOf(look, item);
  if (bar > 0) DrawBar(look, item, canvas, rect, bar);
  canvas.FillRect({rect.Left + bar, rect.Top, rect.Right, rect.Bottom}, clMenu);
  // The item itself takes its own height at the top (a short top level's last item has room
  // below it).
  const sys::Rect area{rect.Left + bar, rect.Top, rect.Right,
                       std::min(rect.Bottom, rect.Top + BaseHeight(look, item, canvas))};
  if (item.IsSeparator()) {
    DrawSeparator(look, item, canvas, area);
    return;
  }
  const bool selected = state.Selected && !state.Disabled;
  if (selected) canvas.FillRect(area, clHighlight);
  const TColor color = state.Disabled ? clGrayText : selected ? clHighlightText : clMenuText;
  if (state.Checked)
    canvas.CheckMark({area.Left + 2, area.Top, area.Left + kCheckWidth, area.Bottom}, color);
  const sys::Rect text{area.Left + kTextIndent, area.Top, area.Right - kArrowWidth - kRightMargin,
                       area.Bottom};
  const std::string shortcut = ShortCutToText(item.ShortCut());
  auto write = [&](const sys::Rect& r, TColor c) {
    const TFont font = Coloured(ItemFont(look, item), c);
    canvas.TextRect(r, item.Caption(), font, TAlignment::LeftJustify, true);
    if (!shortcut.empty()) canvas.TextRect(r, shortcut, font, TAlignment::RightJustify, false);
  };
  // Greyed text is engraved, as the system draws it: a light copy below and to the right.
  if (state.Disabled && !selected)
    write({text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1}, clBtnHighlight);
  write(text, color);
  if (item.Count() > 0)
    canvas.SubmenuArrow(
        {area.Right - kArrowWidth - kRightMargin, area.Top, area.Right - kRightMargin, area.Bottom},
        color);
}

}  // namespace ui
