#include "ui/Forms.h"

#include "ui/StdCtrls.h"

namespace ui {

// ---- TForm ----

TForm::TForm(TComponent* owner, TextArg name) : TWinControl(owner, name) {
  visible_ = false;  // forms start hidden
  SetColor(clBtnFace);
}

TForm::~TForm() {
  DestroyCreatedComponents();
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

int TForm::ClientWidth() const {
  FrameInsets f = CurrentBackend().Frame(borderStyle_, borderIcons_);
  return Width() - f.Left - f.Right;
}

int TForm::ClientHeight() const {
  FrameInsets f = CurrentBackend().Frame(borderStyle_, borderIcons_);
  return Height() - f.Top - f.Bottom;
}

void TForm::SetClientSize(int width, int height) {
  FrameInsets f = CurrentBackend().Frame(borderStyle_, borderIcons_);
  SetBounds(Left(), Top(), width + f.Left + f.Right, height + f.Top + f.Bottom);
}

void TForm::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  borderStyle_ = style;
  Changed(Change::Style);
  SetClientSize(cw, ch);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  borderIcons_ = icons;
  Changed(Change::Style);
  SetClientSize(cw, ch);
}

void TForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  Changed(Change::Style);
}

void TForm::SetConstraints(const TSizeConstraints& c) {
  constraints_ = c;
  Changed(Change::Constraints);
}

void TForm::PinSize() { SetConstraints({Width(), Height(), Width(), Height()}); }

void TForm::SetExStyle(std::uint32_t exStyle) {
  if (exStyle == exStyle_) return;
  exStyle_ = exStyle;
  Changed(Change::ExStyle);
}

void TForm::SetParentWindow(sys::WindowHandle parent) {
  if (parent == parentWindow_) return;
  parentWindow_ = parent;
  Changed(Change::ParentWindow);
}

bool TForm::SetLayeredAlpha(std::uint8_t alpha) {
  SetExStyle(exStyle_ | WS_EX_Layered);
  alpha_ = alpha;
  Handle();
  return GetPeer() ? GetPeer()->SetLayeredAlpha(alpha) : false;
}

void TForm::SetWindowRegion(std::vector<sys::Rect> rects) {
  if (rects == region_) return;
  region_ = std::move(rects);
  Changed(Change::Region);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control)
    control->SetFocus();
  else
    activeControl_ = nullptr;
}

void TForm::ApplyPosition() {
  if (position_ != TPosition::ScreenCenter) return;
  TextSize screen = CurrentBackend().ScreenSize();
  SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (visible) {
    if (!positioned_) {
      ApplyPosition();
      positioned_ = true;
    }
    Handle();  // the window exists (hidden) before OnShow arranges it
    visible_ = true;
    if (OnShow) OnShow(this);
    if (Visible()) Changed(Change::Visible);
  } else {
    visible_ = false;
    Changed(Change::Visible);
    if (OnHide) OnHide(this);
  }
}

void TForm::BringToFront() {
  if (GetPeer()) GetPeer()->BringToFront();
}

void TForm::Close() {
  TCloseAction action = TCloseAction::Hide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::None) return;
  if (modal_) {
    modalResult_ = mrCancel;
  } else if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  struct ModalScope {
    TForm& form;
    explicit ModalScope(TForm& f) : form(f) { form.modal_ = true; }
    ~ModalScope() {
      form.SetVisible(false);
      form.modal_ = false;
    }
  } scope(*this);
  modalResult_ = mrNone;
  SetVisible(true);
  if (modalResult_ == mrNone) CurrentBackend().RunModal(*this);
  if (modalResult_ == mrNone) modalResult_ = mrCancel;  // the application is ending
  return modalResult_;
}

TButton* TForm::FindButton(bool wantDefault, TWinControl& within) const {
  for (TControl* c : within.Controls()) {
    if (auto* b = dynamic_cast<TButton*>(c)) {
      if ((wantDefault ? b->Default() : b->Cancel()) && b->Showing() && b->Enabled()) return b;
    } else if (auto* w = dynamic_cast<TWinControl*>(c)) {
      if (TButton* found = FindButton(wantDefault, *w)) return found;
    }
  }
  return nullptr;
}

bool TForm::DialogKey(std::uint16_t key) {
  if (key == VK_Return) {
    TButton* button = dynamic_cast<TButton*>(activeControl_);
    if (!button) button = FindButton(true, *this);
    if (!button) return false;
    button->Click();
    return true;
  }
  if (key == VK_Escape) {
    TButton* button = FindButton(false, *this);
    if (!button) return false;
    button->Click();
    return true;
  }
  return false;
}

namespace {
// Each showing control in control order, a container before what it holds.
bool DialogCharIn(TWinControl& parent, char ch) {
  // A copy: an accelerator's handler may change the list.
  const std::vector<TControl*> children = parent.Controls();
  for (TControl* c : children) {
    if (!c->Visible()) continue;
    if (c->DialogChar(ch)) return true;
    if (auto* win = dynamic_cast<TWinControl*>(c))
      if (DialogCharIn(*win, ch)) return true;
  }
  return false;
}
}  // namespace

bool TForm::UserDialogChar(char ch, TShiftState shift) {
  // Control characters, the space (it presses the focused button) and Ctrl combinations
  // are no accelerators.
  if (static_cast<unsigned char>(ch) <= ' ' || ch == 0x7F || (shift & ssCtrl)) return false;
  if (!(shift & ssAlt) && activeControl_ && activeControl_->TakesCharacters()) return false;
  return DialogCharIn(*this, ch);
}

void TForm::UserKeyDown(std::uint16_t key, TShiftState shift) {
  if (keyPreview_ && OnKeyDown) OnKeyDown(this, key, shift);
  if (key != 0) DialogKey(key);
}

// ---- TApplication ----

TApplication::TApplication() : TComponent(nullptr, "Application") {}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  CurrentBackend().SetApplicationTitle(title);
}

sys::WindowHandle TApplication::Handle() { return CurrentBackend().ApplicationHandle(); }

void TApplication::SetHintTimings(int pauseMs, int hidePauseMs) {
  hintPause_ = pauseMs;
  hintHidePause_ = hidePauseMs;
  CurrentBackend().SetHintTimings(pauseMs, hidePauseMs);
}

void TApplication::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  CurrentBackend().SetApplicationHint(hint);
}

void TApplication::SetScreenCursor(TCursor cursor) {
  cursor_ = cursor;
  CurrentBackend().SetScreenCursor(cursor);
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  if (!terminated_) CurrentBackend().RunMessageLoop();
}

void TApplication::Terminate() {
  terminated_ = true;
  CurrentBackend().Terminate();
}

void TApplication::ProcessMessages() { CurrentBackend().ProcessMessages(); }

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return CurrentBackend().MessageBox(text, caption, flags);
}

int TApplication::MessageBoxWide(const std::u16string& text, const std::u16string& caption,
                                 unsigned flags) {
  return CurrentBackend().MessageBoxWide(text, caption, flags);
}

void TApplication::ShowException(const std::exception& e) {
  MessageBox(e.what(), title_, MB_Ok | MB_IconError);
}

void TApplication::ShowWindow(int command) { CurrentBackend().ShowApplicationWindow(command); }

std::uint32_t TApplication::ExStyle() { return CurrentBackend().ApplicationExStyle(); }

void TApplication::SetExStyle(std::uint32_t exStyle) {
  CurrentBackend().SetApplicationExStyle(exStyle);
}

void TApplication::Reset() {
  title_.clear();
  mainForm_ = nullptr;
  showMainForm_ = true;
  hintPause_ = 500;
  hintHidePause_ = 2500;
  hint_.clear();
  cursor_ = crDefault;
  terminated_ = false;
}

TApplication& Application() {
  static TApplication app;
  return app;
}

}  // namespace ui
