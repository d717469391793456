#include "ui/win32/WindowPeer.h"

#include <windowsx.h>

#include <algorithm>
#include <set>

#include "system/Error.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/win32/CommonControls.h"
#include "ui/win32/GraphicPainter.h"
#include "ui/win32/Peers.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/PopupMenus.h"

namespace ui::win32 {

namespace {
const char kPeerProp[] = "QuontharyPeer";

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return TMouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return TMouseButton::Middle;
    default:
      return TMouseButton::Left;
  }
}

bool IsSpeedButton(const TControl* control) {
  return dynamic_cast<const TSpeedButton*>(control) != nullptr;
}
}  // namespace

void RegisterOwnClass(const std::string& name, UINT extraStyle) {
  static std::set<std::string> registered;
  if (registered.count(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | extraStyle;
  wc.lpfnWndProc = PeerWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  if (RegisterClassExA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
    registered.insert(name);
}

TShiftState ShiftFromMouse(WPARAM wp) {
  TShiftState shift = 0;
  if (wp & MK_SHIFT) shift |= ssShift;
  if (wp & MK_CONTROL) shift |= ssCtrl;
  if (wp & MK_LBUTTON) shift |= ssLeft;
  if (wp & MK_RBUTTON) shift |= ssRight;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState ShiftFromKeyboard() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

LRESULT CALLBACK PeerWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
    if (auto* peer = static_cast<WindowPeer*>(create->lpCreateParams)) {
      peer->hwnd_ = window;
      SetPropA(window, kPeerProp, peer);
    }
  }
  WindowPeer* peer = WindowPeer::FromHwnd(window);
  if (!peer) return DefWindowProcA(window, msg, wp, lp);
  return peer->Dispatch(msg, wp, lp);
}

// ---- life ----

WindowPeer::WindowPeer(Win32Backend& backend, TWinControl& control)
    : backend_(backend), control_(control) {
  // A control is shown at its form's DPI; a form finds its own when it is made.
  if (TWinControl* parent = control.Parent())
    if (auto* peer = dynamic_cast<WindowPeer*>(parent->GetPeer())) scaling_ = peer->scaling_;
}

WindowPeer::~WindowPeer() {
  life_.reset();
  DestroyHandle();
}

WindowPeer* WindowPeer::FromHwnd(HWND window) {
  if (!window) return nullptr;
  return static_cast<WindowPeer*>(GetPropA(window, kPeerProp));
}

FormPeer* WindowPeer::FormOf(HWND window) {
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
    if (auto* form = dynamic_cast<FormPeer*>(FromHwnd(w))) return form;
    if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

HWND WindowPeer::ParentHwnd() const {
  if (TWinControl* parent = control_.Parent())
    if (Peer* peer = parent->GetPeer()) return reinterpret_cast<HWND>(peer->Handle());
  return backend_.AppWindow();
}

void WindowPeer::CreateHandle(const char* className, DWORD style, DWORD exStyle, bool ownClass,
                              HWND parent, const char* text) {
  if (!parent) parent = ParentHwnd();
  if (!ownClass) EnsureCommonControls();
  std::string caption = text ? std::string(text) : control_.Caption();
  const RECT r = PixelRect(control_);
  HWND window = CreateWindowExA(exStyle, className, caption.c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent, nullptr,
                                GetModuleHandleA(nullptr), ownClass ? this : nullptr);
  if (!window) throw sys::Error("Error creating window for " + control_.Name());
  hwnd_ = window;
  SetPropA(window, kPeerProp, this);
  if (!ownClass)
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PeerWindowProc)));
  // Accelerators are always underlined, not only after Alt was pressed (ui/README.md).
  SendMessageA(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  // A form with standard controls has the library in use already: its tips come with them.
  if (!ownClass)
    if (FormPeer* form = FormOf(window)) form->ArmHints();
}

void WindowPeer::DestroyHandle() {
  if (!hwnd_) return;
  // The subclass stays in place while the window goes (other subclassers, such as the
  // tooltip's, unhook themselves on WM_NCDESTROY); this peer only passes messages on.
  dying_ = true;
  HWND window = hwnd_;
  DestroyWindow(window);
  if (hwnd_) RemovePropA(window, kPeerProp);
  hwnd_ = nullptr;
  original_ = nullptr;
  dying_ = false;
}

LRESULT WindowPeer::CallDefault(UINT msg, WPARAM wp, LPARAM lp) {
  if (original_) return CallWindowProcA(original_, hwnd_, msg, wp, lp);
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT WindowPeer::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    // The last message: from DestroyHandle, or the system destroying the window under us
    // (its parent went away).
    LRESULT result = CallDefault(msg, wp, lp);
    RemovePropA(hwnd_, kPeerProp);
    hwnd_ = nullptr;
    original_ = nullptr;
    return result;
  }
  if (dying_) return CallDefault(msg, wp, lp);
  std::weak_ptr<int> life = life_;
  LRESULT result = 0;
  bool handled = false;
  Guarded([&] { handled = OnMessage(msg, wp, lp, result); });
  if (handled || life.expired() || !hwnd_) return result;
  return CallDefault(msg, wp, lp);
}

// ---- mirroring the model ----

void WindowPeer::ApplyAll() {
  Applying guard(*this);
  ApplyFont();
  ApplyBounds();
  EnableWindow(hwnd_, control_.Enabled());
  ApplyVisible();
  HintsChanged();
}

RECT WindowPeer::PixelRect(const TControl& child) const { return PixelBounds(child, scaling_); }

void WindowPeer::ApplyBounds() {
  const RECT r = PixelRect(control_);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::ChangeDpi(int dpi) {
  scaling_.Dpi = dpi;
  if (!hwnd_) return;
  Applying guard(*this);
  ApplyFont();
  ApplyBounds();
}

void WindowPeer::ApplyVisible() { ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE); }

void WindowPeer::ApplyText() { SetWindowTextGuarded(control_.Caption()); }

void WindowPeer::ApplyFont() {
  SendMessageA(hwnd_, WM_SETFONT,
               reinterpret_cast<WPARAM>(backend_.FontFor(control_.Font(), scaling_.Dpi)), TRUE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowPeer::Changed(Change what) {
  Traffic().Changes += 1;
  if (!hwnd_) return;
  Applying guard(*this);
  switch (what) {
    case Change::Bounds:
      ApplyBounds();
      HintsChanged();
      break;
    case Change::Visible:
      ApplyVisible();
      HintsChanged();
      break;
    case Change::Enabled:
      EnableWindow(hwnd_, control_.Enabled());
      break;
    case Change::Text:
      ApplyText();
      break;
    case Change::Hint:
      HintsChanged();
      break;
    case Change::Font:
      ApplyFont();
      break;
    case Change::Color:
      brush_.Reset();
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      ApplyKind(what);
  }
}

void WindowPeer::GraphicChanged(TControl& child, Change what) {
  Traffic().Changes += 1;
  if (!hwnd_) return;
  if (what == Change::Children && pressed_ == &child && !StillHere(&child)) pressed_ = nullptr;
  // A tooltip text, or anything of a child that is not shown, changes nothing on screen.
  if (what != Change::Hint &&
      (child.Visible() || what == Change::Visible || what == Change::Children))
    InvalidateRect(hwnd_, nullptr, FALSE);
  if (what == Change::Hint || what == Change::Bounds || what == Change::Visible ||
      what == Change::Children)
    HintsChanged();
}

void WindowPeer::Repaint(TControl& what) {
  if (!hwnd_) return;
  if (&what == &control_) {
    InvalidateRect(hwnd_, nullptr, FALSE);
  } else {
    const RECT r = PixelRect(what);
    InvalidateRect(hwnd_, &r, FALSE);
  }
  UpdateWindow(hwnd_);
}

void WindowPeer::SetFocus() {
  if (hwnd_ && IsWindowVisible(hwnd_) && GetFocus() != hwnd_) ::SetFocus(hwnd_);
}

std::string WindowPeer::WindowText() const {
  int length = GetWindowTextLengthA(hwnd_);
  std::string text(std::size_t(length) + 1, '\0');
  int got = GetWindowTextA(hwnd_, &text[0], length + 1);
  text.resize(std::size_t(std::max(got, 0)));
  return text;
}

void WindowPeer::SetWindowTextGuarded(const std::string& text) {
  Applying guard(*this);
  if (WindowText() != text) SetWindowTextA(hwnd_, text.c_str());
}

void WindowPeer::HintsChanged() {
  if (FormPeer* form = FormOf(hwnd_)) form->HintsChanged();
}

void WindowPeer::FillBackground(HDC dc, const RECT& rect) {
  Brush brush(CreateSolidBrush(ToColorRef(control_.Color())));
  FillRect(dc, &rect, brush.Get());
}

HBRUSH WindowPeer::OnCtlColor(HDC dc) {
  if (!brush_ || brushColor_ != control_.Color()) {
    brush_.Reset(CreateSolidBrush(ToColorRef(control_.Color())));
    brushColor_ = control_.Color();
  }
  SetTextColor(dc, ToColorRef(control_.Font().Color));
  SetBkColor(dc, ToColorRef(control_.Color()));
  return brush_.Get();
}

void WindowPeer::PaintClient(HDC dc) {
  RECT rect;
  GetClientRect(hwnd_, &rect);
  FillBackground(dc, rect);
  PaintGraphicChildren(dc, control_, backend_, scaling_, PressedGraphic());
}

const TControl* WindowPeer::PressedGraphic() const {
  return IsSpeedButton(pressed_) ? pressed_ : nullptr;
}

// ---- messages ----

bool WindowPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (MenuOwnerMessage(msg, wp, lp, result)) return true;
  if (Reflect(msg, wp, lp, result)) return true;
  switch (msg) {
    case WM_SETFOCUS: {
      std::weak_ptr<int> life = life_;
      result = CallDefault(msg, wp, lp);
      if (!life.expired()) control_.UserFocus();
      return true;
    }
    case WM_UPDATEUISTATE: {
      // Keyboard cues: the system would hide the underlines until Alt is pressed; ours stay
      // (the focus rectangles still follow the system). Passed on, this reaches the children.
      const WORD action = LOWORD(wp);
      WORD flags = HIWORD(wp);
      if (action == UIS_SET || action == UIS_INITIALIZE) flags &= WORD(~UISF_HIDEACCEL);
      result = flags ? CallDefault(msg, MAKEWPARAM(action, flags), lp) : 0;
      return true;
    }
    case WM_SETCURSOR:
      // The screen cursor holds over every window of the program; a control's own cursor
      // only over itself.
      if (backend_.ScreenCursor() == crDefault && reinterpret_cast<HWND>(wp) != hwnd_) return false;
      if (!SetCursorMessage(lp)) return false;
      result = TRUE;
      return true;
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = nullptr;
        clickPending_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      return false;
    case WM_CONTEXTMENU:
      if (original_ && !HoldsGraphics()) {
        bool hasMenu = false;
        for (TControl* c = &control_; c && !hasMenu; c = c->Parent()) hasMenu = c->PopupMenu();
        if (!hasMenu) return false;
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (lp == -1) GetCursorPos(&at);  // from the keyboard
        ShowPopupFor(control_, at);
        return true;
      }
      return false;
    case WM_ERASEBKGND:
      if (!HoldsGraphics()) return false;
      result = 1;
      return true;
    case WM_PAINT: {
      if (!HoldsGraphics()) return false;
      Traffic().Paints += 1;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT client;
      GetClientRect(hwnd_, &client);
      {
        MemoryDC buffer(dc, client.right, client.bottom);
        if (buffer.Valid()) {
          PaintClient(buffer.Get());
          BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                 ps.rcPaint.bottom - ps.rcPaint.top, buffer.Get(), ps.rcPaint.left, ps.rcPaint.top,
                 SRCCOPY);
        } else {
          PaintClient(dc);
        }
      }
      EndPaint(hwnd_, &ps);
      return true;
    }
    case WM_PRINTCLIENT:
      if (!HoldsGraphics()) return false;
      PaintClient(reinterpret_cast<HDC>(wp));
      return true;
    default:
      break;
  }
  if (msg == WM_MOUSEMOVE && !pointerSeen_) {
    pointerSeen_ = true;
    if (FormPeer* form = FormOf(hwnd_)) form->PointerCameOver(hwnd_, msg, wp, lp);
  }
  if ((msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) && MouseMessage(msg, wp, lp)) {
    result = 0;
    return true;
  }
  return false;
}

bool WindowPeer::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      WindowPeer* child = FromHwnd(reinterpret_cast<HWND>(lp));
      if (!lp || !child || child == this) return false;
      child->OnCommand(HIWORD(wp));
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      WindowPeer* child = header ? FromHwnd(header->hwndFrom) : nullptr;
      if (!child || child == this) return false;
      return child->OnNotify(*header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      WindowPeer* child = FromHwnd(reinterpret_cast<HWND>(lp));
      if (!lp || !child || child == this) return false;
      child->OnScroll();
      result = 0;
      return true;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: {
      WindowPeer* child = FromHwnd(reinterpret_cast<HWND>(lp));
      if (!child || child == this) return false;
      HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wp));
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

TControl* WindowPeer::HitTest(int x, int y) {
  if (HoldsGraphics()) {
    const auto& children = control_.Controls();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      TControl* c = *it;
      if (c->IsWindowed() || !c->Visible() || !c->Enabled()) continue;
      const RECT r = PixelRect(*c);
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return c;
    }
  }
  return &control_;
}

bool WindowPeer::StillHere(TControl* control) const {
  if (control == &control_) return true;
  const auto& children = control_.Controls();
  return std::find(children.begin(), children.end(), control) != children.end();
}

bool WindowPeer::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Pixels for hit-testing what is painted; the model hears design coordinates.
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  const int dx = scaling_.ToDesign(x), dy = scaling_.ToDesign(y);
  const TShiftState shift = ShiftFromMouse(wp);
  std::weak_ptr<int> life = life_;
  if (original_ && !HoldsGraphics()) {
    // A standard control: mouse events for the control; clicks come as notifications.
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        control_.UserMouseDown(ButtonOf(msg), shift, dx, dy);
        break;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        control_.UserMouseUp(ButtonOf(msg), shift, dx, dy);
        break;
      case WM_MOUSEMOVE:
        control_.UserMouseMove(shift, dx, dy);
        break;
      case WM_LBUTTONDBLCLK:
        control_.UserDblClick();
        break;
      default:
        break;
    }
    return false;
  }
  auto local = [&](TControl* c, int& cx, int& cy) {
    cx = c == &control_ ? dx : dx - c->Left();
    cy = c == &control_ ? dy : dy - c->Top();
  };
  int cx = 0, cy = 0;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      TControl* target = HitTest(x, y);
      SetCapture(hwnd_);
      pressed_ = target;
      clickPending_ = msg == WM_LBUTTONDOWN;
      if (IsSpeedButton(target)) Repaint(*target);
      local(target, cx, cy);
      target->UserMouseDown(ButtonOf(msg), shift, cx, cy);
      if (life.expired() || !StillHere(target)) return true;
      if (msg == WM_LBUTTONDBLCLK) target->UserDblClick();
      return true;
    }
    case WM_MOUSEMOVE: {
      TControl* target = pressed_ && GetCapture() == hwnd_ ? pressed_ : HitTest(x, y);
      local(target, cx, cy);
      target->UserMouseMove(shift, cx, cy);
      return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      TControl* target = pressed_ ? pressed_ : HitTest(x, y);
      const bool click = clickPending_ && msg == WM_LBUTTONUP && HitTest(x, y) == target;
      pressed_ = nullptr;
      clickPending_ = false;
      if (GetCapture() == hwnd_) ReleaseCapture();
      if (IsSpeedButton(target)) Repaint(*target);
      local(target, cx, cy);
      target->UserMouseUp(ButtonOf(msg), shift, cx, cy);
      if (life.expired() || !StillHere(target)) return true;
      if (click && target->Enabled()) {
        target->UserClick();
      } else if (msg == WM_RBUTTONUP) {
        POINT at{x, y};
        ClientToScreen(hwnd_, &at);
        ShowPopupFor(*target, at);
      }
      return true;
    }
    default:
      return false;
  }
}

void WindowPeer::ShowPopupFor(TControl& target, POINT at) {
  // The nearest popup menu of the control, its parents or its form.
  TPopupMenu* menu = nullptr;
  for (TControl* c = &target; c && !menu; c = c->Parent()) menu = c->PopupMenu();
  if (!menu) return;
  menu->SetPopupComponent(&target);
  menu->Popup(at.x, at.y);
}

bool WindowPeer::SetCursorMessage(LPARAM lp) {
  if (LOWORD(lp) != HTCLIENT) return false;
  TCursor cursor = backend_.ScreenCursor();
  if (cursor == crDefault) {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(hwnd_, &at);
    cursor = HitTest(at.x, at.y)->Cursor();
  }
  HCURSOR handle = CursorFor(cursor);
  if (!handle) return false;
  SetCursor(handle);
  return true;
}

}  // namespace ui::win32
