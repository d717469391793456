// Controls: things with a place on a window. Windowless (graphic) controls are painted by
// the window that holds them; windowed controls have a window of their own.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Component.h"
#include "ui/Types.h"

namespace ui {

class TWinControl;
class TForm;
class TLabel;
class TPopupMenu;

class TControl : public TComponent {
 public:
  TControl(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  // The form this control sits on (itself for a form); null when not on a form.
  TForm* ParentForm();

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Right() const { return left_ + width_; }
  int Bottom() const { return top_ + height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Caption and Text are one value, as in the classic library. Setting it fires the
  // kind's change event where the kind has one (edits); see ui/README.md.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { SetCaption(text); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  void SetFontColor(TColor color);
  bool ParentFont() const { return parentFont_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // Which edges of the parent's client area the control keeps its distance to when the
  // parent is resized. The distances are those of the moment the anchors are set, the
  // control is placed on its parent or moved by the program.
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  // Programmatic click: runs OnClick (buttons also pass their ModalResult to the form).
  virtual void Click();
  // Paint at once (labels written during a long handler show before it ends).
  void Repaint();

  virtual bool IsWindowed() const { return false; }
  // The accelerator ch was pressed in the form (ui/README.md, "Accelerators"): a control whose
  // caption holds it acts and answers true. Only called for showing controls.
  virtual bool DialogChar(char /*ch*/) { return false; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // User input, called by the backends (and the headless test driver).
  virtual void UserClick() { Click(); }
  void UserDblClick();
  void UserMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void UserMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void UserMouseMove(TShiftState shift, int x, int y);

 protected:
  // Tells the backend: the control's own window, or the window that paints it.
  virtual void Changed(Change what);
  // After the text changed: autosize for labels, OnChange for edits.
  virtual void TextChanged() {}
  virtual void FontChanged() {}
  // A parent's font reached this control (only while ParentFont holds).
  void InheritFont(const TFont& font);
  // Remembers the parent's client size that the anchors measure from.
  void RecordAnchorBase();
  // The parent's client area is now width x height: right- and bottom-anchored edges follow.
  void FollowAnchors(int width, int height);

 private:
  friend class TWinControl;
  friend class TForm;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  TAnchors anchors_ = akLeft | akTop;
  int anchorBaseWidth_ = 0, anchorBaseHeight_ = 0;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
};

// Painted by the window that holds it; has no window handle.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
};

class TWinControl : public TControl {
 public:
  TWinControl(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  ~TWinControl() override;

  // Children in z-order (the order they were placed on this window).
  const std::vector<TControl*>& Controls() const { return controls_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Control(int index) const { return controls_.at(std::size_t(index)); }

  // The window handle; creates the window (and its children's) when needed.
  sys::WindowHandle Handle();
  bool HandleAllocated() const { return peer_ != nullptr; }
  Peer* GetPeer() const { return peer_.get(); }
  // The window was destroyed from outside (its parent, a window of another process, went
  // away); the model still holds everything it showed.
  bool WindowLost() const { return peer_ && peer_->Lost(); }
  // Makes the window, and its windowed children's, afresh from the model.
  void RecreateWindow();

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  bool Focused() const;
  bool CanFocus() const;
  // Moves the focus here: OnExit of the control that had it, then OnEnter of this one.
  virtual void SetFocus();

  bool IsWindowed() const override { return true; }
  // Whether typed characters are this control's input (edits, lists), so a plain letter is
  // no accelerator while it has the focus.
  virtual bool TakesCharacters() const { return false; }
  // Focuses the first control in tab order inside this one; false when there is none.
  bool SelectFirst();
  void AfterConstruction() override;
  // Resizing moves or stretches the children anchored to the right or bottom edge.
  void SetBounds(int left, int top, int width, int height) override;
  // The area the children are placed in (forms subtract their frame).
  virtual int ClientWidth() const { return Width(); }
  virtual int ClientHeight() const { return Height(); }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The user moved the focus here (backends call this; same events as SetFocus).
  void UserFocus();

 protected:
  void Changed(Change what) override;
  // Creates this window's peer and its windowed children's, parents first.
  void CreatePeers();
  void DestroyPeers();
  // Child control changed (graphic children are painted by this window).
  void ChildGraphicChanged(TControl& child, Change what);

 private:
  friend class TControl;
  friend class TForm;
  friend class TLabel;
  void AddChild(TControl* child);
  void RemoveChild(TControl* child);

  std::vector<TControl*> controls_;
  std::vector<TLabel*> focusLabels_;  // labels whose FocusControl this is
  std::unique_ptr<Peer> peer_;
  bool tabStop_ = false;
  // Fully constructed: a window may be made for it (the backend needs its final kind).
  bool complete_ = false;
};

}  // namespace ui
