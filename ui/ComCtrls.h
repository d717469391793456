// Track bars and page controls with tab sheets.
#pragma once
#include "ui/Controls.h"

namespace ui {

class TTrackBar : public TWinControl {
 public:
  TTrackBar(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Clamped to the range; fires OnChange when it changes.
  void SetPosition(int position);
  int Frequency() const { return frequency_; }
  void SetFrequency(int f) { frequency_ = f; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation o);

  TNotifyEvent OnChange;
  void UserSetPosition(int position) { SetPosition(position); }

 private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::Horizontal;
};

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  // The page control is the sheet's parent; sheets come in the order they are made.
  TTabSheet(TComponent* owner, TextArg name, TPageControl* pageControl, TextArg caption = {});
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  int PageIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);

 private:
  friend class TPageControl;
  TPageControl* pageControl_;
  bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
 public:
  TPageControl(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_.at(std::size_t(index)); }
  TTabSheet* ActivePage() const { return active_; }
  // Fires nothing; only the active sheet is visible.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The area the sheets take inside the control (below the tabs).
  Bounds SheetArea() const;

  TNotifyEvent OnChange;
  void UserSelectPage(int index);
  // The accelerator of a visible tab's caption picks that tab.
  bool DialogChar(char ch) override;
  // A focused tab row takes letters for itself.
  bool TakesCharacters() const override { return true; }

 private:
  friend class TTabSheet;
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

}  // namespace ui
