// Menu items and popup menus.
#pragma once
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Types.h"

namespace ui {

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name, const std::string& caption = {},
            TShortCut shortCut = 0);
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
  TPopupMenu(TComponent* owner, std::string name);
  // The root item; its sub-items are the menu.
  TMenuItem& Items() { return root_; }
  const TMenuItem& Items() const { return root_; }
  // Runs OnPopup, then shows the menu at screen coordinates.
  void Popup(int x, int y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

  TNotifyEvent OnPopup;

 private:
  TMenuItem root_;
  TComponent* popupComponent_ = nullptr;
};

}  // namespace ui
