// The event rules table (tests/EventRules.h) with real windows: input arrives as the
// messages Windows sends, and after every rule the windows show the model's state.
#include "ui/win32/WinApi.h"
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <vector>

#include "tests/EventRules.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace eventrules;
using namespace win32test;

void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

class Win32Input : public InputDriver {
 public:
  void Show(EventForm& form) override {
    form.Show();
    Settle();
  }
  void Click(TControl& control) override {
    if (control.IsWindowed()) {
      HWND window = Hwnd(static_cast<TWinControl&>(control));
      // The system gives a disabled window no clicks.
      if (IsWindowEnabled(window)) Send(window, BM_CLICK);
    } else {
      LPARAM at = Center(control);
      Send(HolderOf(control), WM_LBUTTONDOWN, MK_LBUTTON, at);
      Send(HolderOf(control), WM_LBUTTONUP, 0, at);
    }
    Settle();
  }
  void RightClick(TControl& control, TMenuItem* choose) override {
    HWND form = Hwnd(*control.ParentForm());
    // The menu's own loop reads these keys once it is open.
    if (choose) {
      for (int i = 0; i < IndexInMenu(*choose) + 1; ++i) PostMessageA(form, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(form, WM_KEYDOWN, VK_RETURN, 0);
    } else {
      PostMessageA(form, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    UINT_PTR guard = SetTimer(nullptr, 0, 5000, EndStuckMenu);  // never hang the run
    LPARAM at = Center(control);
    Send(HolderOf(control), WM_RBUTTONDOWN, MK_RBUTTON, at);
    Send(HolderOf(control), WM_RBUTTONUP, 0, at);
    KillTimer(nullptr, guard);
    Settle();
  }
  void Type(TEdit& edit, const std::string& chars) override {
    SetFocus(Hwnd(edit));
    for (char ch : chars) Send(Hwnd(edit), WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 1);
    Settle();
  }
  void Type(TComboBox& combo, const std::string& chars) override {
    SetFocus(Hwnd(combo));
    HWND edit = FindWindowExA(Hwnd(combo), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    for (char ch : chars) Send(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 1);
    Settle();
  }
  void Pick(TComboBox& combo, int index) override {
    HWND window = Hwnd(combo);
    Send(window, CB_SETCURSEL, WPARAM(index));
    Send(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(window));
    Settle();
  }
  void Pick(TListBox& list, int index) override {
    HWND window = Hwnd(list);
    Send(window, LB_SETCURSEL, WPARAM(index));
    Send(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), LBN_SELCHANGE),
         reinterpret_cast<LPARAM>(window));
    Settle();
  }
  void PickPage(TPageControl& pages, int pageIndex) override {
    if (!pages.Page(pageIndex)->TabVisible()) return;  // no tab to click
    int tab = 0;
    for (int i = 0; i < pageIndex; ++i) tab += pages.Page(i)->TabVisible() ? 1 : 0;
    HWND window = Hwnd(pages);
    Send(window, TCM_SETCURSEL, WPARAM(tab));
    NMHDR header{window, UINT_PTR(GetDlgCtrlID(window)), UINT(TCN_SELCHANGE)};
    Send(GetParent(window), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    Settle();
  }
  void Slide(TTrackBar& bar, int position) override {
    HWND window = Hwnd(bar);
    Send(window, TBM_SETPOS, TRUE, position);
    Send(GetParent(window), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
         reinterpret_cast<LPARAM>(window));
    Settle();
  }
  void Focus(TWinControl& control) override {
    SetFocus(Hwnd(control));
    Settle();
  }
  void Key(TForm& form, std::uint16_t key) override {
    HWND focus = GetFocus();
    PostMessageA(focus && IsChild(Hwnd(form), focus) ? focus : Hwnd(form), WM_KEYDOWN, key, 1);
    Settle();
  }
  // Real key strokes through the system's input queue, to the active window's focus.
  void AltKey(TForm& form, char ch) override { Keys(form, ch, true); }
  void CharKey(TForm& form, char ch) override { Keys(form, ch, false); }
  void CloseButton(TForm& form) override {
    Send(Hwnd(form), WM_SYSCOMMAND, SC_CLOSE);
    Settle();
  }

 private:
  static void Keys(TForm& form, char ch, bool alt) {
    SetForegroundWindow(Hwnd(form));
    Settle();
    const SHORT scan = VkKeyScanA(ch);
    const WORD vk = LOBYTE(scan);
    const bool shift = (HIBYTE(scan) & 1) != 0;
    std::vector<INPUT> inputs;
    auto key = [&](WORD code, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = code;
      in.ki.wScan = WORD(MapVirtualKeyA(code, 0));
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(in);
    };
    if (alt) key(VK_MENU, false);
    if (shift) key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (shift) key(VK_SHIFT, true);
    if (alt) key(VK_MENU, true);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    // The strokes arrive through the system: wait until the queue has had them.
    for (int i = 0; i < 10; ++i) {
      Sleep(10);
      Settle();
    }
  }
  static LPARAM Center(TControl& c) {
    return MAKELPARAM(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2);
  }
  static int IndexInMenu(TMenuItem& item) {
    int index = 0;
    TMenuItem* parent = item.ParentItem();
    for (int i = 0; parent && i < parent->Count() && parent->Item(i) != &item; ++i)
      index += parent->Item(i)->Visible() ? 1 : 0;
    return index;
  }
};

// What the windows show must be the model's state.
void ExpectWindowsMirror(EventForm& f) {
  EXPECT_EQ(TextOf(Hwnd(f.Edit1)), f.Edit1.Text());
  EXPECT_EQ(Send(Hwnd(f.Check1), BM_GETCHECK) == BST_CHECKED, f.Check1.Checked());
  EXPECT_EQ(Send(Hwnd(f.Radio1), BM_GETCHECK) == BST_CHECKED, f.Radio1.Checked());
  EXPECT_EQ(Send(Hwnd(f.Radio2), BM_GETCHECK) == BST_CHECKED, f.Radio2.Checked());
  EXPECT_EQ(int(Send(Hwnd(f.Combo1), CB_GETCURSEL)), f.Combo1.ItemIndex());
  EXPECT_EQ(TextOf(Hwnd(f.Combo1)), f.Combo1.Text());
  EXPECT_EQ(int(Send(Hwnd(f.List1), LB_GETCURSEL)), f.List1.ItemIndex());
  EXPECT_EQ(int(Send(Hwnd(f.Track1), TBM_GETPOS)), f.Track1.Position());
  EXPECT_EQ(IsWindowEnabled(Hwnd(f.Check1)) != FALSE, f.Check1.Enabled());
  EXPECT_EQ(IsWindowVisible(Hwnd(f)) != FALSE, f.Visible());
  for (int i = 0; i < f.Pages.PageCount(); ++i)
    EXPECT_EQ(IsWindowVisible(Hwnd(*f.Pages.Page(i))) != FALSE,
              f.Visible() && f.Pages.Page(i) == f.Pages.ActivePage());
}

class Win32EventRules : public Win32Ui {};

TEST_F(Win32EventRules, EveryRuleHoldsWithRealWindows) {
  Win32Input input;
  for (const EventRule& rule : Rules()) {
    SCOPED_TRACE(rule.Name);
    EventForm form(&Application());
    input.Show(form);
    form.Log.clear();
    rule.Act(form, input);
    Settle();
    EXPECT_EQ(form.Log, rule.Expected);
    ExpectWindowsMirror(form);
  }
}

}  // namespace
