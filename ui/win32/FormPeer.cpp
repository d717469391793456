#include <algorithm>
#include <vector>

#include "ui/win32/Peers.h"

namespace ui::win32 {

namespace {

const UINT kRebuildHints = WM_APP + 1;

void CollectTabStops(TWinControl& parent, std::vector<TWinControl*>& out) {
  for (TControl* c : parent.Controls()) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (!win || !win->Visible() || !win->Enabled() || !win->HandleAllocated()) continue;
    if (win->TabStop()) out.push_back(win);
    CollectTabStops(*win, out);
  }
}

HWND HwndOf(TWinControl& control) {
  return control.GetPeer() ? reinterpret_cast<HWND>(control.GetPeer()->Handle()) : nullptr;
}

}  // namespace

FormStyles StylesFor(TBorderStyle border, TBorderIcons icons) {
  FormStyles s;
  switch (border) {
    case TBorderStyle::None:
      s.Style = WS_POPUP;
      break;
    case TBorderStyle::Single:
      s.Style = WS_CAPTION;
      break;
    case TBorderStyle::Sizeable:
      s.Style = WS_CAPTION | WS_THICKFRAME;
      break;
    case TBorderStyle::Dialog:
      s.Style = WS_CAPTION;
      s.ExStyle = WS_EX_DLGMODALFRAME;
      break;
    case TBorderStyle::ToolWindow:
      s.Style = WS_CAPTION;
      s.ExStyle = WS_EX_TOOLWINDOW;
      break;
    case TBorderStyle::SizeToolWin:
      s.Style = WS_CAPTION | WS_THICKFRAME;
      s.ExStyle = WS_EX_TOOLWINDOW;
      break;
  }
  if (border != TBorderStyle::None && (icons & biSystemMenu)) {
    s.Style |= WS_SYSMENU;
    if (border == TBorderStyle::Single || border == TBorderStyle::Sizeable) {
      if (icons & biMinimize) s.Style |= WS_MINIMIZEBOX;
      if (icons & biMaximize) s.Style |= WS_MAXIMIZEBOX;
    }
    if ((icons & biHelp) && border == TBorderStyle::Dialog) s.ExStyle |= WS_EX_CONTEXTHELP;
  }
  return s;
}

FormPeer::FormPeer(Win32Backend& backend, TForm& form) : WindowPeer(backend, form), form_(form) {
  const std::string className = "T" + (form.Name().empty() ? std::string("Form") : form.Name());
  RegisterOwnClass(className);
  FormStyles s = CurrentStyles();
  HWND parent = reinterpret_cast<HWND>(form.ParentWindow());
  if (!parent) parent = reinterpret_cast<HWND>(form.WndParent());
  if (!parent) parent = backend.AppWindow();
  CreateHandle(className.c_str(), s.Style, s.ExStyle, true, parent);
  backend.AddForm(this);
}

FormPeer::~FormPeer() {
  backend_.RemoveForm(this);
  tooltips_.Destroy();
}

FormStyles FormPeer::CurrentStyles() const {
  FormStyles s = StylesFor(form_.BorderStyle(), form_.BorderIcons());
  s.Style |= WS_CLIPCHILDREN;
  if (form_.ParentWindow()) s.Style = (s.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
  s.ExStyle |= form_.ExStyle();
  // Above other top-level windows: a form inside another window has only its siblings.
  if (form_.FormStyle() == TFormStyle::StayOnTop && !form_.ParentWindow())
    s.ExStyle |= WS_EX_TOPMOST;
  return s;
}

void FormPeer::ApplyAll() {
  Applying guard(*this);
  ApplyBounds();
  ApplyRegion();
  if (form_.ExStyle() & WS_EX_Layered)
    SetLayeredWindowAttributes(hwnd_, 0, BYTE(form_.LayeredAlpha()), LWA_ALPHA);
  EnableWindow(hwnd_, form_.Enabled());
  tooltips_.SetDelays(backend_.HintPause(), backend_.HintHidePause());
  ApplyVisible();
  HintsChanged();
}

void FormPeer::ApplyBounds() {
  SetWindowPos(hwnd_, nullptr, form_.Left(), form_.Top(), form_.Width(), form_.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::ApplyVisible() {
  if (!form_.Visible()) {
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  // Dialogs take the focus when they appear; tool windows and borderless ones (the
  // indicator) must not steal it.
  const bool quiet = (form_.ExStyle() & WS_EX_ToolWindow) ||
                     form_.BorderStyle() == TBorderStyle::None || form_.ParentWindow();
  const bool activate = form_.Modal() || !quiet;
  ShowWindow(hwnd_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  if (CurrentStyles().ExStyle & WS_EX_TOPMOST)
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (activate) RestoreFocus();
}

void FormPeer::ApplyStyles() {
  FormStyles s = CurrentStyles();
  DWORD keep = DWORD(GetWindowLongPtrA(hwnd_, GWL_STYLE)) & (WS_VISIBLE | WS_DISABLED);
  DWORD oldEx = DWORD(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
  SetWindowLongPtrA(hwnd_, GWL_STYLE, LONG_PTR(s.Style | keep));
  // The topmost bit only changes through SetWindowPos.
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE,
                    LONG_PTR((s.ExStyle & ~WS_EX_TOPMOST) | (oldEx & WS_EX_TOPMOST)));
  const bool topmost = (s.ExStyle & WS_EX_TOPMOST) != 0;
  const bool wasTopmost = (oldEx & WS_EX_TOPMOST) != 0;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  if (topmost == wasTopmost) flags |= SWP_NOZORDER;
  SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
  if ((s.ExStyle & WS_EX_LAYERED) && !(oldEx & WS_EX_LAYERED))
    SetLayeredWindowAttributes(hwnd_, 0, BYTE(form_.LayeredAlpha()), LWA_ALPHA);
  ApplyRegion();
}

void FormPeer::ApplyRegion() {
  const auto& rects = form_.WindowRegion();
  if (rects.empty()) {
    SetWindowRgn(hwnd_, nullptr, TRUE);
    return;
  }
  // The model gives client coordinates; a window region is relative to the window.
  POINT origin{0, 0};
  ClientToScreen(hwnd_, &origin);
  RECT window;
  GetWindowRect(hwnd_, &window);
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  Region all(CreateRectRgn(0, 0, 0, 0));
  for (const sys::Rect& r : rects) {
    Region one(CreateRectRgn(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy));
    CombineRgn(all.Get(), all.Get(), one.Get(), RGN_OR);
  }
  if (SetWindowRgn(hwnd_, all.Get(), TRUE)) all.Release();  // the window owns it now
}

void FormPeer::ApplyParentWindow() {
  HWND parent = reinterpret_cast<HWND>(form_.ParentWindow());
  DWORD keep = DWORD(GetWindowLongPtrA(hwnd_, GWL_STYLE)) & (WS_VISIBLE | WS_DISABLED);
  if (parent) {
    // A child now: the style changes before the parent does, and a topmost window stops
    // being one while still top-level (a topmost child would stay above its new siblings).
    ApplyTopmost();
    SetWindowLongPtrA(hwnd_, GWL_STYLE, LONG_PTR(CurrentStyles().Style | keep));
    SetParent(hwnd_, parent);
  } else {
    // Top-level again: the style changes after, and the owner is what it was at creation.
    SetParent(hwnd_, nullptr);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, LONG_PTR(CurrentStyles().Style | keep));
    HWND owner = reinterpret_cast<HWND>(form_.WndParent());
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT,
                      reinterpret_cast<LONG_PTR>(owner ? owner : backend_.AppWindow()));
    ApplyTopmost();
  }
  SetWindowPos(hwnd_, nullptr, form_.Left(), form_.Top(), form_.Width(), form_.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ApplyRegion();
}

void FormPeer::ApplyTopmost() {
  const bool topmost = (CurrentStyles().ExStyle & WS_EX_TOPMOST) != 0;
  if (topmost == ((GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)) return;
  SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormPeer::ApplyKind(Change what) {
  switch (what) {
    case Change::Style:
    case Change::ExStyle:
      ApplyStyles();
      break;
    case Change::Region:
      ApplyRegion();
      break;
    case Change::ParentWindow:
      ApplyParentWindow();
      break;
    default:
      break;
  }
}

bool FormPeer::SetLayeredAlpha(std::uint8_t alpha) {
  if (!hwnd_) return false;
  LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  return SetLayeredWindowAttributes(hwnd_, 0, alpha, LWA_ALPHA) != FALSE;
}

void FormPeer::BringToFront() {
  if (!hwnd_) return;
  // A form inside another window (the indicator in the taskbar) goes above its siblings;
  // already there, it is left alone, so that raising it often costs nothing.
  const bool child = form_.ParentWindow() != 0;
  if (child && GetWindow(GetParent(hwnd_), GW_CHILD) == hwnd_) return;
  HWND after = form_.FormStyle() == TFormStyle::StayOnTop && !child ? HWND_TOPMOST : HWND_TOP;
  SetWindowPos(hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormPeer::SyncBoundsFromWindow() {
  if (IsIconic(hwnd_)) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  if (r.left == form_.Left() && r.top == form_.Top() && r.right - r.left == form_.Width() &&
      r.bottom - r.top == form_.Height())
    return;
  Applying guard(*this);
  form_.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool FormPeer::RestoreFocus() {
  TWinControl* target = form_.ActiveControl();
  if (!target || !target->CanFocus() || !target->HandleAllocated()) {
    std::vector<TWinControl*> stops;
    CollectTabStops(form_, stops);
    target = stops.empty() ? nullptr : stops.front();
  }
  if (!target) return false;
  HWND window = HwndOf(*target);
  if (!window) return false;
  HWND focus = GetFocus();
  if (focus != window && !IsChild(window, focus)) ::SetFocus(window);
  return true;
}

void FormPeer::FocusNext(bool backwards) {
  std::vector<TWinControl*> stops;
  CollectTabStops(form_, stops);
  if (stops.empty()) return;
  HWND focus = GetFocus();
  int current = -1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    HWND w = HwndOf(*stops[i]);
    if (w == focus || IsChild(w, focus)) current = int(i);
  }
  const int n = int(stops.size());
  int next = current < 0 ? (backwards ? n - 1 : 0) : (current + (backwards ? n - 1 : 1)) % n;
  HWND window = HwndOf(*stops[std::size_t(next)]);
  ::SetFocus(window);
  // An edit reached with Tab has its text selected, as in a dialog.
  if (dynamic_cast<TEdit*>(stops[std::size_t(next)])) SendMessageA(window, EM_SETSEL, 0, -1);
}

void FormPeer::HintsChanged() {
  if (hintsPending_ || !hwnd_) return;
  hintsPending_ = true;
  PostMessageA(hwnd_, kRebuildHints, 0, 0);
}

void FormPeer::ArmHints() {
  if (tooltips_.Armed()) return;
  tooltips_.Arm();
  HintsChanged();
}

void FormPeer::PointerCameOver(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (tooltips_.Armed()) return;
  tooltips_.Arm();
  tooltips_.Rebuild(form_, hwnd_);
  tooltips_.Relay(window, msg, wp, lp);
}

bool FormPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (form_.OnMessage && msg != kRebuildHints) {
    bool handled = false;
    Guarded([&] { handled = form_.OnMessage(msg, std::uintptr_t(wp), std::intptr_t(lp)); });
    if (handled) {
      result = 0;
      return true;
    }
  }
  switch (msg) {
    case kRebuildHints:
      hintsPending_ = false;
      tooltips_.Rebuild(form_, hwnd_);
      result = 0;
      return true;
    case WM_CLOSE:
      form_.UserClose();
      result = 0;
      return true;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      const TSizeConstraints& c = form_.Constraints();
      if (c.MinWidth > 0) info->ptMinTrackSize.x = c.MinWidth;
      if (c.MinHeight > 0) info->ptMinTrackSize.y = c.MinHeight;
      if (c.MaxWidth > 0) info->ptMaxTrackSize.x = c.MaxWidth;
      if (c.MaxHeight > 0) info->ptMaxTrackSize.y = c.MaxHeight;
      result = 0;
      return true;
    }
    case WM_WINDOWPOSCHANGED:
      // The user moved or sized the window: the model follows (no events).
      if (!applying()) SyncBoundsFromWindow();
      return false;
    case WM_ACTIVATE:
      // Back to the control that had the focus; a form without one keeps it itself (so
      // its keys still arrive).
      if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp) && RestoreFocus()) {
        result = 0;
        return true;
      }
      return false;
    case WM_SETFOCUS:
      RestoreFocus();
      result = 0;
      return true;
    default:
      return WindowPeer::OnMessage(msg, wp, lp, result);
  }
}

}  // namespace ui::win32
