#include "ui/ComCtrls.h"

#include <algorithm>

namespace ui {

TTrackBar::TTrackBar(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TWinControl(owner, name, parent, bounds) {
  SetTabStop(true);
}

void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  Changed(Change::Range);
  SetPosition(position_);
}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Changed(Change::Position);
  if (OnChange) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
  if (o == orientation_) return;
  orientation_ = o;
  Changed(Change::Style);
}

TTabSheet::TTabSheet(TComponent* owner, TextArg name, TPageControl* pageControl, TextArg caption)
    : TWinControl(owner, name, nullptr, pageControl->SheetArea()), pageControl_(pageControl) {
  SetCaption(caption.Text);
  pageControl_->pages_.push_back(this);
  if (!pageControl_->active_) {
    pageControl_->active_ = this;
  } else {
    SetVisible(false);
  }
  SetParent(pageControl);
}

TTabSheet::~TTabSheet() {
  auto& pages = pageControl_->pages_;
  pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
  if (pageControl_->active_ == this) pageControl_->active_ = pages.empty() ? nullptr : pages[0];
}

int TTabSheet::PageIndex() const {
  auto& pages = pageControl_->pages_;
  auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TTabSheet::SetTabVisible(bool v) {
  if (v == tabVisible_) return;
  tabVisible_ = v;
  if (pageControl_) pageControl_->Changed(Change::TabVisible);
}

TPageControl::TPageControl(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TWinControl(owner, name, parent, bounds) {
  SetTabStop(true);
}

Bounds TPageControl::SheetArea() const {
  // Tabs take the top 24 pixels; a 4-pixel frame runs round the sheets.
  return {4, 24, std::max(0, Width() - 8), std::max(0, Height() - 28)};
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page == active_) return;
  if (page && page->pageControl_ != this) return;
  TTabSheet* old = active_;
  active_ = page;
  if (old) old->SetVisible(false);
  if (active_) active_->SetVisible(true);
  Changed(Change::ActivePage);
}

int TPageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr);
}

bool TPageControl::DialogChar(char ch) {
  if (!CanFocus()) return false;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible() || !IsAccel(ch, page->Caption())) continue;
    if (page != active_) UserSelectPage(page->PageIndex());
    return true;
  }
  return false;
}

void TPageControl::UserSelectPage(int index) {
  if (index < 0 || index >= PageCount() || !pages_[std::size_t(index)]->TabVisible()) return;
  SetActivePageIndex(index);
  if (OnChange) OnChange(this);
}

}  // namespace ui
