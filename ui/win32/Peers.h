// The peers of each kind of windowed control.
#pragma once
#include "ui/win32/WinApi.h"

#include <vector>

#include "ui/ComCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"
#include "ui/win32/Tooltips.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

class FormPeer : public WindowPeer {
 public:
  FormPeer(Win32Backend& backend, TForm& form);
  ~FormPeer() override;
  bool SetLayeredAlpha(std::uint8_t alpha) override;
  void BringToFront() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool HoldsGraphics() const override { return true; }
  TForm& Form() const { return form_; }
  Tooltips& Hints() { return tooltips_; }
  // The tools are made again once the messages queued now are handled: windows made in a
  // row (a form's controls) are all there by then.
  void HintsChanged();
  // The tooltip window is made on first need: with the form's first standard control
  // (ArmHints), or when the pointer first moves over a form whose parts are all painted, as
  // the indicator's are (PointerCameOver, which passes that move on to the new tips).
  void ArmHints();
  void PointerCameOver(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  // Tab / Shift+Tab: the next focusable control in tab order.
  void FocusNext(bool backwards);
  // Focus to the active control, or the first one in tab order; false when there is none.
  bool RestoreFocus();

 protected:
  void ApplyAll() override;
  void ApplyBounds() override;
  void ApplyVisible() override;
  void ApplyKind(Change what) override;

 private:
  FormStyles CurrentStyles() const;
  void ApplyStyles();
  void ApplyRegion();
  void ApplyParentWindow();
  // The topmost bit as the form's style and place want it (only through SetWindowPos).
  void ApplyTopmost();
  void SyncBoundsFromWindow();

  TForm& form_;
  Tooltips tooltips_;
  bool hintsPending_ = false;
};

// Own-class containers: panels (bevel, centred caption), tab sheets and plain windowed
// controls of kinds the backend does not know.
class ContainerPeer : public WindowPeer {
 public:
  ContainerPeer(Win32Backend& backend, TWinControl& control, const char* className);
  bool HoldsGraphics() const override { return true; }
  void PaintClient(HDC dc) override;

 protected:
  void ApplyText() override;
  void ApplyKind(Change what) override;
};

class PageControlPeer;

// A sheet fills the page control's display area, whatever its own bounds say.
class SheetPeer : public ContainerPeer {
 public:
  SheetPeer(Win32Backend& backend, TTabSheet& sheet);
  ~SheetPeer() override;

 protected:
  void ApplyBounds() override;
  void ApplyText() override;

 private:
  TTabSheet* sheet_;
  PageControlPeer* pages_ = nullptr;
};

class PageControlPeer : public WindowPeer {
 public:
  PageControlPeer(Win32Backend& backend, TPageControl& pages);
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  // The tabs again from the model: only sheets with TabVisible get one.
  void RebuildTabs();
  void SheetGone(TTabSheet* sheet);
  // The display area below the tabs, in this window's client coordinates.
  RECT DisplayArea() const;
  // The page of each tab, in tab order.
  const std::vector<TTabSheet*>& TabPages() const { return tabPages_; }

 protected:
  void ApplyAll() override;
  void ApplyBounds() override;
  void ApplyKind(Change what) override;

 private:
  void SyncSelection();
  TPageControl& pages_;
  std::vector<TTabSheet*> tabPages_;
};

class ButtonPeer : public WindowPeer {
 public:
  ButtonPeer(Win32Backend& backend, TButtonControl& button);
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  void ApplyKind(Change what) override;
  void ApplyAll() override;

 private:
  DWORD ButtonStyle() const;
  void SyncCheck();
};

class GroupBoxPeer : public WindowPeer {
 public:
  GroupBoxPeer(Win32Backend& backend, TGroupBox& box);
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool HoldsGraphics() const override { return true; }
  void PaintClient(HDC dc) override;
  HBRUSH OnCtlColor(HDC dc) override;
};

class EditPeer : public WindowPeer {
 public:
  EditPeer(Win32Backend& backend, TEdit& edit);
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  void ApplyAll() override;
  void ApplyText() override;
  void ApplyKind(Change what) override;

 private:
  void ApplySelection();
  TEdit& edit_;
};

class ComboPeer : public WindowPeer {
 public:
  ComboPeer(Win32Backend& backend, TComboBox& combo);
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;
  bool DroppedDown() const;

 protected:
  void ApplyAll() override;
  void ApplyBounds() override;
  void ApplyText() override;
  void ApplyKind(Change what) override;

 private:
  void Make();
  void ApplyItems();
  void ApplyItemIndex();
  TComboBox& combo_;
};

class ListPeer : public WindowPeer {
 public:
  ListPeer(Win32Backend& backend, TListBox& list);
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  void ApplyAll() override;
  void ApplyKind(Change what) override;

 private:
  void ApplyItems();
  TListBox& list_;
};

class TrackBarPeer : public WindowPeer {
 public:
  TrackBarPeer(Win32Backend& backend, TTrackBar& bar);
  void OnScroll() override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  void ApplyAll() override;
  void ApplyText() override {}
  void ApplyKind(Change what) override;

 private:
  void ApplyRange();
  TTrackBar& bar_;
};

}  // namespace ui::win32
