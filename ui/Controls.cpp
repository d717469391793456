#include "ui/Controls.h"

#include <algorithm>

#include "ui/Forms.h"
#include "ui/StdCtrls.h"

namespace ui {

// ---- TControl ----

TControl::TControl(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TComponent(owner, name),
      left_(bounds.Left),
      top_(bounds.Top),
      width_(bounds.Width),
      height_(bounds.Height) {
  if (parent) SetParent(parent);
}

TControl::~TControl() {
  if (parent_) parent_->RemoveChild(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveChild(this);
  parent_ = parent;
  if (parent_) {
    if (parentFont_) font_ = parent_->Font();
    parent_->AddChild(this);
    RecordAnchorBase();
  }
}

TForm* TControl::ParentForm() {
  TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  RecordAnchorBase();
  Changed(Change::Bounds);
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  RecordAnchorBase();
}

void TControl::RecordAnchorBase() {
  if (!parent_) return;
  anchorBaseWidth_ = parent_->ClientWidth();
  anchorBaseHeight_ = parent_->ClientHeight();
}

void TControl::FollowAnchors(int width, int height) {
  const int dw = width - anchorBaseWidth_, dh = height - anchorBaseHeight_;
  if (dw == 0 && dh == 0) return;
  int left = left_, top = top_, w = width_, h = height_;
  if (anchors_ & akRight) {
    if (anchors_ & akLeft)
      w = std::max(0, w + dw);
    else
      left += dw;
  }
  if (anchors_ & akBottom) {
    if (anchors_ & akTop)
      h = std::max(0, h + dh);
    else
      top += dh;
  }
  anchorBaseWidth_ = width;
  anchorBaseHeight_ = height;
  SetBounds(left, top, w, h);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Change::Visible);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Change::Enabled);
}

void TControl::SetCaption(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed(Change::Text);
  TextChanged();
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed(Change::Hint);
}

void TControl::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  Changed(Change::Hint);
}

void TControl::SetFont(const TFont& font) {
  parentFont_ = false;
  if (font == font_) return;
  font_ = font;
  Changed(Change::Font);
  FontChanged();
  if (auto* win = dynamic_cast<TWinControl*>(this))
    for (TControl* child : win->Controls()) child->InheritFont(font_);
}

void TControl::SetFontColor(TColor color) {
  TFont f = font_;
  f.Color = color;
  SetFont(f);
}

void TControl::InheritFont(const TFont& font) {
  if (!parentFont_ || font == font_) return;
  font_ = font;
  Changed(Change::Font);
  FontChanged();
  if (auto* win = dynamic_cast<TWinControl*>(this))
    for (TControl* child : win->Controls()) child->InheritFont(font_);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(Change::Color);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::Repaint() {
  if (IsWindowed()) {
    if (auto* peer = static_cast<TWinControl*>(this)->GetPeer()) peer->Repaint(*this);
  } else if (parent_ && parent_->GetPeer()) {
    parent_->GetPeer()->Repaint(*this);
  }
}

void TControl::UserDblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::UserMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::UserMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::UserMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Changed(Change what) {
  if (parent_) parent_->ChildGraphicChanged(*this, what);
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TControl(owner, name, nullptr, bounds) {
  // Placed on the parent only now that this object is a window control, so a parent with a
  // window makes this one's window at once.
  if (parent) SetParent(parent);
}

TWinControl::~TWinControl() {
  DestroyCreatedComponents();
  // Children that outlive this window (not owned by it) just lose their parent.
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  if (TForm* form = ParentForm())
    if (form->activeControl_ == this) form->activeControl_ = nullptr;
  // Labels that focus this window forget it (each label is noted here, so that closing a
  // dialog of hundreds of controls does not search it once for each of them).
  for (TLabel* label : focusLabels_) label->focusControl_ = nullptr;
  DestroyPeers();
}

void TWinControl::AddChild(TControl* child) {
  controls_.push_back(child);
  if (peer_) {
    if (auto* win = dynamic_cast<TWinControl*>(child)) {
      if (win->complete_) win->CreatePeers();
    } else {
      peer_->GraphicChanged(*child, Change::Children);
    }
  }
}

void TWinControl::AfterConstruction() {
  complete_ = true;
  if (Parent() && Parent()->HandleAllocated()) CreatePeers();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  const int cw = ClientWidth(), ch = ClientHeight();
  // A copy: a child's handler could change the list while the children move.
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) child->FollowAnchors(cw, ch);
}

void TWinControl::RemoveChild(TControl* child) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
  if (TForm* form = ParentForm()) {
    if (form->activeControl_ == child) form->activeControl_ = nullptr;
  }
  if (auto* win = dynamic_cast<TWinControl*>(child)) {
    win->DestroyPeers();
  } else if (peer_) {
    peer_->GraphicChanged(*child, Change::Children);
  }
}

sys::WindowHandle TWinControl::Handle() {
  if (!peer_) {
    // A child's window needs its parent's first; making the parent's makes this one too.
    if (Parent() && !Parent()->HandleAllocated())
      Parent()->Handle();
    else
      CreatePeers();
  }
  return peer_ ? peer_->Handle() : 0;
}

void TWinControl::CreatePeers() {
  complete_ = true;
  if (!peer_) peer_ = CurrentBackend().CreatePeer(*this);
  for (TControl* child : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->CreatePeers();
}

void TWinControl::RecreateWindow() {
  DestroyPeers();
  CreatePeers();
}

void TWinControl::DestroyPeers() {
  for (TControl* child : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyPeers();
  peer_.reset();
}

void TWinControl::Changed(Change what) {
  if (peer_) peer_->Changed(what);
}

void TWinControl::ChildGraphicChanged(TControl& child, Change what) {
  if (peer_) peer_->GraphicChanged(child, what);
}

bool TWinControl::Focused() const {
  auto* self = const_cast<TWinControl*>(this);
  TForm* form = self->ParentForm();
  return form && form->ActiveControl() == this;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  TForm* form = ParentForm();
  if (!form || form == this) return;
  TWinControl* old = form->ActiveControl();
  if (old != this) {
    form->activeControl_ = this;
    if (old && old->OnExit) old->OnExit(old);
    if (OnEnter) OnEnter(this);
  }
  if (peer_) peer_->SetFocus();
}

namespace {
TWinControl* FirstTabStop(TWinControl& parent) {
  for (TControl* c : parent.Controls()) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (!win || !win->Visible() || !win->Enabled()) continue;
    if (win->TabStop() && win->CanFocus()) return win;
    if (TWinControl* inner = FirstTabStop(*win)) return inner;
  }
  return nullptr;
}
}  // namespace

bool TWinControl::SelectFirst() {
  TWinControl* first = FirstTabStop(*this);
  if (!first) return false;
  first->SetFocus();
  return true;
}

void TWinControl::UserFocus() {
  TForm* form = ParentForm();
  if (!form || form == this || form->ActiveControl() == this) return;
  TWinControl* old = form->ActiveControl();
  form->activeControl_ = this;
  if (old && old->OnExit) old->OnExit(old);
  if (OnEnter) OnEnter(this);
}

}  // namespace ui
