// Menu items and popup menus.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "system/Types.h"
#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Types.h"

namespace ui {

class TMenuItem;

// How an owner-drawn item is to be drawn (the classic odSelected, odDisabled...).
struct TOwnerDrawState {
  bool Selected = false;  // under the mouse or picked by the keyboard
  bool Disabled = false;
  bool Checked = false;
  bool Default = false;
};

// Owner drawing: the size an item needs (width and height come in as 0), and its drawing
// into rect on the canvas (the canvas may clip to rect).
using TMenuMeasureEvent =
    std::function<void(TMenuItem& item, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawEvent = std::function<void(TMenuItem& item, TCanvas& canvas, const sys::Rect& rect,
                                          const TOwnerDrawState& state)>;

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, TextArg name, TextArg caption = {}, TShortCut shortCut = 0);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) { caption_ = c; }
  // A caption of "-" makes a separator.
  bool IsSeparator() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut s) { shortCut_ = s; }
  bool Checked() const { return checked_; }
  void SetChecked(bool c) { checked_ = c; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e) { enabled_ = e; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  // The default item is drawn bold.
  bool Default() const { return default_; }
  void SetDefault(bool d) { default_ = d; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }

  // Sub-items, in menu order.
  void Add(TMenuItem& item);
  void Remove(TMenuItem& item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int index) const { return items_.at(std::size_t(index)); }
  TMenuItem* ParentItem() const { return parent_; }

  TNotifyEvent OnClick;
  // This item's own owner drawing (else its menu's, else the system draws it).
  TMenuMeasureEvent OnMeasureItem;
  TMenuDrawEvent OnDrawItem;
  // Runs OnClick.
  void Click();
  // The user chose the item: runs OnClick only when it is enabled and visible.
  void UserClick();

 private:
  std::string caption_;
  TShortCut shortCut_ = 0;
  bool checked_ = false, enabled_ = true, visible_ = true, default_ = false;
  std::string hint_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  TPopupMenu(TComponent* owner, TextArg name);
  // The root item; its sub-items are the menu.
  TMenuItem& Items() { return root_; }
  const TMenuItem& Items() const { return root_; }
  // Runs OnPopup, then shows the menu at screen coordinates.
  void Popup(int x, int y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

  TNotifyEvent OnPopup;
  // Owner drawing of every item (sub-menus too) that has none of its own. An item is owner
  // drawn when it has both hooks, its own or these.
  TMenuMeasureEvent OnMeasureItem;
  TMenuDrawEvent OnDrawItem;
  bool OwnerDraws(const TMenuItem& item) const;
  // Run the item's hooks (or the menu's); backends call these.
  void MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) const;
  void DrawItem(TMenuItem& item, TCanvas& canvas, const sys::Rect& rect,
                const TOwnerDrawState& state) const;

 private:
  TMenuItem root_;
  TComponent* popupComponent_ = nullptr;
};

}  // namespace ui
