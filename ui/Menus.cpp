#include "ui/Menus.h"

#include <algorithm>

#include "ui/Backend.h"

namespace ui {

TMenuItem::TMenuItem(TComponent* owner, TextArg name, TextArg caption, TShortCut shortCut)
    : TComponent(owner, name), caption_(caption.Text), shortCut_(shortCut) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(*this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem& item) {
  if (item.parent_) item.parent_->Remove(item);
  items_.push_back(&item);
  item.parent_ = this;
}

void TMenuItem::Remove(TMenuItem& item) {
  items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
  if (item.parent_ == this) item.parent_ = nullptr;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::UserClick() {
  if (enabled_ && visible_ && !IsSeparator()) Click();
}

TPopupMenu::TPopupMenu(TComponent* owner, TextArg name)
    : TComponent(owner, name), root_(nullptr, "") {}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  CurrentBackend().Popup(*this, x, y);
}

bool TPopupMenu::OwnerDraws(const TMenuItem& item) const {
  const bool measure = item.OnMeasureItem ? true : static_cast<bool>(OnMeasureItem);
  const bool draw = item.OnDrawItem ? true : static_cast<bool>(OnDrawItem);
  return measure && draw;
}

void TPopupMenu::MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) const {
  width = height = 0;
  const TMenuMeasureEvent& hook = item.OnMeasureItem ? item.OnMeasureItem : OnMeasureItem;
  if (hook) hook(item, canvas, width, height);
}

void TPopupMenu::DrawItem(TMenuItem& item, TCanvas& canvas, const sys::Rect& rect,
                          const TOwnerDrawState& state) const {
  const TMenuDrawEvent& hook = item.OnDrawItem ? item.OnDrawItem : OnDrawItem;
  if (hook) hook(item, canvas, rect, state);
}

}  // namespace ui
