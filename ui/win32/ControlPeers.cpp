// Standard windowed controls: buttons, check and radio buttons, group boxes, edits, combo
// and list boxes, track bars.
#include "ui/win32/WinApi.h"
#include <commctrl.h>

#include "ui/win32/GraphicPainter.h"
#include "ui/win32/Peers.h"

namespace ui::win32 {

namespace {
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
}

// ---- buttons ----

ButtonPeer::ButtonPeer(Win32Backend& backend, TButtonControl& button)
    : WindowPeer(backend, button) {
  CreateHandle("BUTTON", kChild | WS_TABSTOP | ButtonStyle(), 0, false);
}

DWORD ButtonPeer::ButtonStyle() const {
  if (auto* button = dynamic_cast<TButton*>(&control_))
    return button->Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (dynamic_cast<TCheckBox*>(&control_)) return BS_AUTOCHECKBOX;
  if (dynamic_cast<TRadioButton*>(&control_)) return BS_AUTORADIOBUTTON;
  return BS_PUSHBUTTON;
}

void ButtonPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  SyncCheck();
}

void ButtonPeer::SyncCheck() {
  bool checked = false;
  if (auto* box = dynamic_cast<TCheckBox*>(&control_))
    checked = box->Checked();
  else if (auto* radio = dynamic_cast<TRadioButton*>(&control_))
    checked = radio->Checked();
  else
    return;
  Applying guard(*this);
  SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ButtonPeer::ApplyKind(Change what) {
  if (what == Change::Checked) SyncCheck();
  if (what == Change::Default) SendMessageA(hwnd_, BM_SETSTYLE, ButtonStyle(), TRUE);
}

void ButtonPeer::OnCommand(WORD code) {
  // A disabled control takes no clicks, whatever sent the notification.
  if (code != BN_CLICKED || applying() || !control_.Enabled()) return;
  std::weak_ptr<int> life = Life();
  control_.UserClick();
  // The window flipped its own state; the model decides what it shows.
  if (!life.expired() && hwnd_) SyncCheck();
}

HBRUSH ButtonPeer::OnCtlColor(HDC dc) {
  if (dynamic_cast<TButton*>(&control_)) return nullptr;  // push buttons keep the system look
  return WindowPeer::OnCtlColor(dc);
}

// ---- group boxes ----

GroupBoxPeer::GroupBoxPeer(Win32Backend& backend, TGroupBox& box) : WindowPeer(backend, box) {
  CreateHandle("BUTTON", kChild | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT, false);
}

bool GroupBoxPeer::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_NCHITTEST) {
    // A group box is see-through for the mouse by default; its windowless children need it.
    result = HTCLIENT;
    return true;
  }
  return WindowPeer::OnMessage(msg, wp, lp, result);
}

void GroupBoxPeer::PaintClient(HDC dc) {
  RECT rect;
  GetClientRect(hwnd_, &rect);
  FillBackground(dc, rect);
  CallWindowProcA(original_, hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  PaintGraphicChildren(dc, control_, backend_, scaling_, PressedGraphic());
}

HBRUSH GroupBoxPeer::OnCtlColor(HDC dc) { return WindowPeer::OnCtlColor(dc); }

// ---- edits ----

EditPeer::EditPeer(Win32Backend& backend, TEdit& edit) : WindowPeer(backend, edit), edit_(edit) {
  DWORD style = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
  if (edit.CharCase() == TEditCharCase::UpperCase) style |= ES_UPPERCASE;
  if (edit.CharCase() == TEditCharCase::LowerCase) style |= ES_LOWERCASE;
  CreateHandle("EDIT", style, WS_EX_CLIENTEDGE, false);
}

void EditPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  Applying guard(*this);
  SendMessageA(hwnd_, EM_LIMITTEXT, WPARAM(edit_.MaxLength()), 0);
  SendMessageA(hwnd_, EM_SETREADONLY, edit_.ReadOnly(), 0);
  ApplySelection();
}

void EditPeer::ApplyText() {
  SetWindowTextGuarded(edit_.Text());
  // New text puts the window's caret at the start; the model knows where it belongs (during
  // the user's own edit too, since the window's caret reached the model first).
  ApplySelection();
}

void EditPeer::ApplySelection() {
  Applying guard(*this);
  SendMessageA(hwnd_, EM_SETSEL, WPARAM(edit_.SelStart()),
               LPARAM(edit_.SelStart() + edit_.SelLength()));
}

void EditPeer::ApplyKind(Change what) {
  switch (what) {
    case Change::MaxLength:
      SendMessageA(hwnd_, EM_LIMITTEXT, WPARAM(edit_.MaxLength()), 0);
      break;
    case Change::ReadOnly:
      SendMessageA(hwnd_, EM_SETREADONLY, edit_.ReadOnly(), 0);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Change::CharCase: {
      LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~LONG_PTR(ES_UPPERCASE | ES_LOWERCASE);
      if (edit_.CharCase() == TEditCharCase::UpperCase) style |= ES_UPPERCASE;
      if (edit_.CharCase() == TEditCharCase::LowerCase) style |= ES_LOWERCASE;
      SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
      break;
    }
    case Change::Selection:
      ApplySelection();
      break;
    default:
      break;
  }
}

void EditPeer::OnCommand(WORD code) {
  if (code != EN_CHANGE || applying()) return;
  std::weak_ptr<int> life = Life();
  DWORD start = 0, end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  edit_.UserSetText(WindowText(), int(start), int(end) - int(start));
  if (life.expired() || !hwnd_) return;
  // The model may have changed the text (letter case, a handler that filters what was
  // typed) and the caret with it; the window shows both.
  SetWindowTextGuarded(edit_.Text());
  ApplySelection();
}

HBRUSH EditPeer::OnCtlColor(HDC dc) { return WindowPeer::OnCtlColor(dc); }

// ---- combo boxes ----

ComboPeer::ComboPeer(Win32Backend& backend, TComboBox& combo)
    : WindowPeer(backend, combo), combo_(combo) {
  Make();
}

void ComboPeer::Make() {
  DWORD style = kChild | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL |
                (combo_.Style() == TComboBoxStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  CreateHandle("COMBOBOX", style, 0, false, nullptr, "");
}

void ComboPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  ApplyItems();
}

void ComboPeer::ApplyBounds() {
  // The window's height includes the dropped-down list: DropDownCount items.
  int item = int(SendMessageA(hwnd_, CB_GETITEMHEIGHT, 0, 0));
  if (item <= 0) item = 16;
  int list = item * std::max(1, combo_.DropDownCount()) + 2;
  const RECT r = PixelRect(combo_);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + list,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboPeer::ApplyItems() {
  Applying guard(*this);
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo_.Items())
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  ApplyItemIndex();
}

void ComboPeer::ApplyItemIndex() {
  Applying guard(*this);
  const bool editable = combo_.Style() == TComboBoxStyle::DropDown;
  const std::string before = editable ? WindowText() : std::string();
  DWORD start = 0, end = 0;
  if (editable)
    SendMessageA(hwnd_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(combo_.ItemIndex()), 0);
  if (!editable) return;
  if (WindowText() != combo_.Text()) SetWindowTextGuarded(combo_.Text());
  // The item chosen is the text the user is typing: the caret stays where the typing left
  // it (the list would move it, and the next key would not go on after the text).
  if (SameText(before, WindowText()))
    SendMessageA(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(WORD(start), WORD(end)));
}

void ComboPeer::ApplyText() {
  if (combo_.Style() == TComboBoxStyle::DropDown) SetWindowTextGuarded(combo_.Text());
}

void ComboPeer::ApplyKind(Change what) {
  switch (what) {
    case Change::Items:
      ApplyItems();
      break;
    case Change::ItemIndex:
      ApplyItemIndex();
      break;
    case Change::Style: {
      // The list style is fixed at creation: the window is made again.
      bool focused = GetFocus() == hwnd_ || IsChild(hwnd_, GetFocus());
      DestroyHandle();
      Make();
      ApplyAll();
      if (focused) ::SetFocus(hwnd_);
      break;
    }
    default:
      break;
  }
}

bool ComboPeer::DroppedDown() const {
  return hwnd_ && SendMessageA(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void ComboPeer::OnCommand(WORD code) {
  if (applying()) return;
  std::weak_ptr<int> life = Life();
  switch (code) {
    case CBN_SELCHANGE:
      combo_.UserSelect(int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)));
      if (!life.expired() && hwnd_) ApplyItemIndex();
      break;
    case CBN_EDITCHANGE:
      combo_.UserSetText(WindowText());
      break;
    case CBN_SETFOCUS:
      combo_.UserFocus();
      break;
    default:
      break;
  }
}

HBRUSH ComboPeer::OnCtlColor(HDC dc) { return WindowPeer::OnCtlColor(dc); }

// ---- list boxes ----

ListPeer::ListPeer(Win32Backend& backend, TListBox& list) : WindowPeer(backend, list), list_(list) {
  CreateHandle("LISTBOX", kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               WS_EX_CLIENTEDGE, false, nullptr, "");
}

void ListPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  ApplyItems();
}

void ListPeer::ApplyItems() {
  Applying guard(*this);
  SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : list_.Items())
    SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(list_.ItemIndex()), 0);
}

void ListPeer::ApplyKind(Change what) {
  if (what == Change::Items) ApplyItems();
  if (what == Change::ItemIndex) {
    Applying guard(*this);
    SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(list_.ItemIndex()), 0);
  }
}

void ListPeer::OnCommand(WORD code) {
  if (code != LBN_SELCHANGE || applying()) return;
  std::weak_ptr<int> life = Life();
  list_.UserSelect(int(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)));
  if (!life.expired() && hwnd_) ApplyKind(Change::ItemIndex);
}

HBRUSH ListPeer::OnCtlColor(HDC dc) { return WindowPeer::OnCtlColor(dc); }

// ---- track bars ----

TrackBarPeer::TrackBarPeer(Win32Backend& backend, TTrackBar& bar)
    : WindowPeer(backend, bar), bar_(bar) {
  DWORD style = kChild | WS_TABSTOP | TBS_AUTOTICKS |
                (bar.Orientation() == TTrackBarOrientation::Vertical ? TBS_VERT : TBS_HORZ);
  CreateHandle(TRACKBAR_CLASSA, style, 0, false, nullptr, "");
}

void TrackBarPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  ApplyRange();
}

void TrackBarPeer::ApplyRange() {
  Applying guard(*this);
  SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, bar_.Min());
  SendMessageA(hwnd_, TBM_SETRANGEMAX, FALSE, bar_.Max());
  SendMessageA(hwnd_, TBM_SETTICFREQ, WPARAM(std::max(1, bar_.Frequency())), 0);
  SendMessageA(hwnd_, TBM_SETPOS, TRUE, bar_.Position());
}

void TrackBarPeer::ApplyKind(Change what) {
  Applying guard(*this);
  switch (what) {
    case Change::Range:
      ApplyRange();
      break;
    case Change::Position:
      SendMessageA(hwnd_, TBM_SETPOS, TRUE, bar_.Position());
      break;
    case Change::Style: {
      LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~LONG_PTR(TBS_VERT);
      if (bar_.Orientation() == TTrackBarOrientation::Vertical) style |= TBS_VERT;
      SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    }
    default:
      break;
  }
}

void TrackBarPeer::OnScroll() {
  if (applying()) return;
  int position = int(SendMessageA(hwnd_, TBM_GETPOS, 0, 0));
  std::weak_ptr<int> life = Life();
  bar_.UserSetPosition(position);
  if (!life.expired() && hwnd_ && bar_.Position() != position) {
    Applying guard(*this);
    SendMessageA(hwnd_, TBM_SETPOS, TRUE, bar_.Position());
  }
}

HBRUSH TrackBarPeer::OnCtlColor(HDC dc) { return WindowPeer::OnCtlColor(dc); }

}  // namespace ui::win32
