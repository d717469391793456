// The win32 backend against real windows: what the windows show, forms' styles, regions
// and layering, menus, modal runs, timers, painting and the sample screenshot.
#include "ui/win32/WinApi.h"
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <memory>

#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"
#include "system/win32/Dpi.h"
#include "tests/win32/Win32SampleForm.h"
#include "ui/Scaling.h"
#include "ui/win32/CommonDialogs.h"
#include "ui/win32/PopupMenus.h"

namespace {

using namespace win32test;

bool SameClass(HWND window, const char* name) {
  return lstrcmpiA(ClassOf(window).c_str(), name) == 0;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

// A top-level window of this thread of a class (and an owner, when given).
struct Find {
  const char* className;
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindWindowOfThread(HWND w, LPARAM p) {
  auto* f = reinterpret_cast<Find*>(p);
  if (IsWindowVisible(w) || f->owner) {
    if (SameClass(w, f->className) && (!f->owner || GetWindow(w, GW_OWNER) == f->owner))
      f->found = w;
  }
  return TRUE;
}

HWND ThreadWindow(const char* className, HWND owner = nullptr) {
  Find find{className, owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindWindowOfThread, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

// The tooltip window a form owns, if any.
HWND TooltipOf(HWND form) { return ThreadWindow(TOOLTIPS_CLASSA, form); }

class Win32Backend : public Win32Ui {};

TEST_F(Win32Backend, WindowsMirrorEveryKindOfControl) {
  SampleForm form(&Application());
  form.Show();
  Settle();
  HWND window = Hwnd(form);
  EXPECT_EQ(FindWindowA("TFormWin32Sample", nullptr), window);
  EXPECT_EQ(TextOf(window), "Quonthary - every control");
  EXPECT_TRUE(IsWindowVisible(window));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, form.ClientWidth());
  EXPECT_EQ(client.bottom, form.ClientHeight());
  EXPECT_EQ(form.ClientWidth(), 460);

  EXPECT_TRUE(SameClass(Hwnd(form.ButtonOK), "Button"));
  EXPECT_EQ(StyleOf(Hwnd(form.ButtonOK)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(StyleOf(Hwnd(form.ButtonCancel)) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(TextOf(Hwnd(form.ButtonOK)), "OK");
  form.ButtonCancel.SetDefault(true);
  EXPECT_EQ(StyleOf(Hwnd(form.ButtonCancel)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

  EXPECT_EQ(StyleOf(Hwnd(form.Check)) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  EXPECT_EQ(Send(Hwnd(form.Check), BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(StyleOf(Hwnd(form.RadioA)) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  EXPECT_EQ(Send(Hwnd(form.RadioA), BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(Hwnd(form.RadioB), BM_GETCHECK), BST_CHECKED);
  form.RadioA.SetChecked(true);
  EXPECT_EQ(Send(Hwnd(form.RadioA), BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(Send(Hwnd(form.RadioB), BM_GETCHECK), BST_UNCHECKED);

  EXPECT_TRUE(SameClass(Hwnd(form.Edit), "Edit"));
  EXPECT_TRUE(StyleOf(Hwnd(form.Edit)) & ES_UPPERCASE);
  EXPECT_EQ(TextOf(Hwnd(form.Edit)), "EDIT TEXT");
  form.Edit.SetMaxLength(4);
  EXPECT_EQ(Send(Hwnd(form.Edit), EM_GETLIMITTEXT), 4);
  form.Edit.SetReadOnly(true);
  EXPECT_TRUE(StyleOf(Hwnd(form.Edit)) & ES_READONLY);

  EXPECT_TRUE(SameClass(Hwnd(form.Combo), "ComboBox"));
  EXPECT_EQ(StyleOf(Hwnd(form.Combo)) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(Send(Hwnd(form.Combo), CB_GETCOUNT), 3);
  EXPECT_EQ(Send(Hwnd(form.Combo), CB_GETCURSEL), 1);
  char item[64] = {};
  Send(Hwnd(form.Combo), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "Deutsch.lng");
  form.Combo.SetStyle(TComboBoxStyle::DropDown);  // a new window with the same content
  EXPECT_EQ(StyleOf(Hwnd(form.Combo)) & 3, CBS_DROPDOWN);
  EXPECT_EQ(Send(Hwnd(form.Combo), CB_GETCURSEL), 1);
  EXPECT_EQ(TextOf(Hwnd(form.Combo)), "Polski.lng");

  EXPECT_TRUE(SameClass(Hwnd(form.List), "ListBox"));
  EXPECT_EQ(Send(Hwnd(form.List), LB_GETCOUNT), 3);
  EXPECT_EQ(Send(Hwnd(form.List), LB_GETCURSEL), 1);
  form.List.DeleteItem(0);
  EXPECT_EQ(Send(Hwnd(form.List), LB_GETCOUNT), 2);
  EXPECT_EQ(Send(Hwnd(form.List), LB_GETCURSEL), LB_ERR);

  EXPECT_TRUE(SameClass(Hwnd(form.Track), TRACKBAR_CLASSA));
  EXPECT_EQ(Send(Hwnd(form.Track), TBM_GETRANGEMAX), 20);
  EXPECT_EQ(Send(Hwnd(form.Track), TBM_GETPOS), 5);
  form.Track.SetRange(0, 3);  // clamps the position
  EXPECT_EQ(Send(Hwnd(form.Track), TBM_GETPOS), 3);

  EXPECT_TRUE(SameClass(Hwnd(form.Group), "Button"));
  EXPECT_EQ(StyleOf(Hwnd(form.Group)) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(GetParent(Hwnd(form.GroupRadio)), Hwnd(form.Group));
  EXPECT_TRUE(SameClass(Hwnd(form.Panel), "TPanel"));

  // Visible and enabled follow the model.
  form.ButtonCancel.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(form.ButtonCancel)));
  form.Check.Hide();
  EXPECT_FALSE(IsWindowVisible(Hwnd(form.Check)));
  form.Check.SetCaption("Renamed");
  EXPECT_EQ(TextOf(Hwnd(form.Check)), "Renamed");

  // Only visible tabs; the tab index maps past the hidden one.
  HWND tabs = Hwnd(form.Pages);
  EXPECT_TRUE(SameClass(tabs, WC_TABCONTROLA));
  ASSERT_EQ(Send(tabs, TCM_GETITEMCOUNT), 2);
  char caption[32] = {};
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = caption;
  tab.cchTextMax = sizeof caption;
  Send(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&tab));
  EXPECT_STREQ(caption, "Sound");
  EXPECT_EQ(Send(tabs, TCM_GETCURSEL), 0);
  form.Pages.SetActivePage(&form.SheetSound);
  EXPECT_EQ(Send(tabs, TCM_GETCURSEL), 1);
  EXPECT_TRUE(IsWindowVisible(Hwnd(form.SheetSound)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(form.SheetGeneral)));
  EXPECT_TRUE(SameClass(Hwnd(form.SheetSound), "TTabSheet"));
  EXPECT_EQ(GetParent(Hwnd(form.SheetSound)), tabs);
  form.SheetHidden.SetTabVisible(true);
  EXPECT_EQ(Send(tabs, TCM_GETITEMCOUNT), 3);
  EXPECT_EQ(Send(tabs, TCM_GETCURSEL), 2);
  // A sheet fills the tab control's display area.
  RECT area, sheet;
  GetClientRect(tabs, &area);
  Send(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  GetWindowRect(Hwnd(form.SheetSound), &sheet);
  MapWindowPoints(HWND_DESKTOP, tabs, reinterpret_cast<POINT*>(&sheet), 2);
  EXPECT_EQ(sheet.left, area.left);
  EXPECT_EQ(sheet.top, area.top);
  EXPECT_EQ(sheet.right, area.right);
}

TEST_F(Win32Backend, IndicatorFormStylesRegionLayeringAndParent) {
  SampleForm owner(&Application());
  owner.Show();
  TForm indicator(&Application(), "FormWin32Indicator");
  indicator.SetBorderStyle(TBorderStyle::None);
  indicator.SetBounds(300, 500, 50, 14);
  indicator.SetExStyle(indicator.ExStyle() | WS_EX_ToolWindow);
  indicator.SetFormStyle(TFormStyle::StayOnTop);
  indicator.SetWndParent(owner.Handle());
  const int w = 50, h = 14, q = h / 4;
  indicator.SetWindowRegion(
      {{0, q, w - 1, h - q}, {0, q + 1, w, h - q - 1}, {1, 0, w - 3, h}, {0, 1, w - 2, h - 1}});
  indicator.Show();
  Settle();
  HWND window = Hwnd(indicator);
  EXPECT_EQ(GetWindow(window, GW_OWNER), Hwnd(owner));
  EXPECT_TRUE(StyleOf(window) & WS_POPUP);
  EXPECT_FALSE(StyleOf(window) & WS_CAPTION);
  EXPECT_TRUE(ExStyleOf(window) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ExStyleOf(window) & WS_EX_TOPMOST);
  // The borderless indicator does not take the focus from the window that has it.
  EXPECT_NE(GetActiveWindow(), window);

  RECT box;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, w);
  EXPECT_EQ(box.bottom, h);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // the corners are cut
  EXPECT_TRUE(PtInRegion(region, 1, 1));
  EXPECT_FALSE(PtInRegion(region, w - 1, 0));  // beside the terminal
  DeleteObject(region);

  EXPECT_TRUE(indicator.SetLayeredAlpha(200));
  EXPECT_TRUE(ExStyleOf(window) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) {
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(flags & LWA_ALPHA);
  }

  // Made a child of another window (as of the taskbar), and a popup again.
  indicator.SetParentWindow(owner.Handle());
  EXPECT_EQ(GetParent(window), Hwnd(owner));
  EXPECT_TRUE(StyleOf(window) & WS_CHILD);
  EXPECT_FALSE(StyleOf(window) & WS_POPUP);
  indicator.SetLeft(20);
  RECT inParent;
  GetWindowRect(window, &inParent);
  MapWindowPoints(HWND_DESKTOP, Hwnd(owner), reinterpret_cast<POINT*>(&inParent), 2);
  EXPECT_EQ(inParent.left, 20);
  indicator.SetParentWindow(0);
  EXPECT_FALSE(StyleOf(window) & WS_CHILD);
  EXPECT_TRUE(StyleOf(window) & WS_POPUP);
  EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());

  // Changing the border keeps the client size, with the real frame.
  owner.SetBorderStyle(TBorderStyle::Sizeable);
  RECT client;
  GetClientRect(Hwnd(owner), &client);
  EXPECT_EQ(client.right, 460);
  EXPECT_EQ(client.bottom, 390);
  EXPECT_TRUE(StyleOf(Hwnd(owner)) & WS_THICKFRAME);
}

TEST_F(Win32Backend, FrameMetricsAndText) {
  Backend& backend = CurrentBackend();
  FrameInsets none = backend.Frame(TBorderStyle::None, biSystemMenu);
  EXPECT_EQ(none.Left + none.Top + none.Right + none.Bottom, 0);
  FrameInsets sizeable = backend.Frame(TBorderStyle::Sizeable, biSystemMenu);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_CLIPCHILDREN, FALSE, 0);
  EXPECT_EQ(sizeable.Top, -r.top);
  EXPECT_GT(sizeable.Top, sizeable.Bottom);  // the title bar

  TFont font;
  font.Name = "Tahoma";
  TextSize wide = backend.MeasureText(font, "WWWW", 0);
  TextSize narrow = backend.MeasureText(font, "iiii", 0);
  EXPECT_GT(wide.Width, narrow.Width);
  EXPECT_GT(wide.Height, 0);
  TextSize wrapped = backend.MeasureText(font, "one two three four five six", 40);
  EXPECT_LE(wrapped.Width, 40);
  EXPECT_GE(wrapped.Height, 3 * wide.Height);
  TextSize screen = backend.ScreenSize();
  EXPECT_EQ(screen.Width, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(Win32Backend, ApplicationWindowTooltipsAndHintTimings) {
  Application().SetTitle("Quonthary test");
  HWND app = reinterpret_cast<HWND>(Application().Handle());
  ASSERT_NE(app, nullptr);
  EXPECT_TRUE(SameClass(app, "TApplication"));
  EXPECT_EQ(TextOf(app), "Quonthary test");
  EXPECT_FALSE(IsWindowVisible(app));
  Application().SetExStyle(Application().ExStyle() | WS_EX_ToolWindow);
  EXPECT_TRUE(ExStyleOf(app) & WS_EX_TOOLWINDOW);

  SampleForm form(&Application());
  form.ButtonOK.SetHint("Confirms");
  form.ButtonOK.SetShowHint(true);
  form.Circle.SetHint("A circle");
  form.Circle.SetShowHint(true);
  form.Check.SetHint("Not shown: ShowHint is off");
  form.SheetCheck.SetHint("The last window made");
  form.SheetCheck.SetShowHint(true);
  form.Show();
  Settle();
  HWND tips = TooltipOf(Hwnd(form));
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(Send(tips, TTM_GETTOOLCOUNT), 3);
  form.Circle.SetShowHint(false);
  Settle();
  EXPECT_EQ(Send(tips, TTM_GETTOOLCOUNT), 2);
  form.SheetGeneral.Hide();  // hidden controls show no hints
  Settle();
  EXPECT_EQ(Send(tips, TTM_GETTOOLCOUNT), 1);
  Application().SetHintTimings(100, 5000);
  EXPECT_EQ(Send(tips, TTM_GETDELAYTIME, TTDT_INITIAL), 100);
  EXPECT_EQ(Send(tips, TTM_GETDELAYTIME, TTDT_AUTOPOP), 5000);
}

// Parts that are all painted, as the indicator's are: no tooltip window (and no common-controls
// library for it) until the pointer first moves over the form; that move starts the tips.
struct PaintedForm : TForm {
  explicit PaintedForm(TComponent* owner) : TForm(owner, "FormPainted") {
    SetBorderStyle(TBorderStyle::None);
    SetBounds(40, 40, 120, 40);
    SetShowHint(true);
    SetHint("The form");
    Label.SetHint("A label");
    Label.SetShowHint(true);
  }
  TLabel Label{this, "Label", this, {4, 4, 60, 16}, "57 %"};
};

TEST_F(Win32Backend, PaintedFormsMakeTheirTipsWhenThePointerFirstComesOver) {
  SetCursorPos(0, 0);  // away from the form, so that only the move sent below reaches it
  Settle();
  PaintedForm form(&Application());
  form.Show();
  Settle();
  HWND window = Hwnd(form);
  EXPECT_EQ(TooltipOf(window), nullptr);
  form.Label.SetHint("A label, changed");
  Settle();
  EXPECT_EQ(TooltipOf(window), nullptr) << "a changed hint alone makes no tips";
  Send(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  HWND tips = TooltipOf(window);
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(Send(tips, TTM_GETTOOLCOUNT), 2);  // the label and the form
  EXPECT_NE(GetModuleHandleA("comctl32.dll"), nullptr);
  // From then on they follow the hints as any form's do.
  form.Label.SetShowHint(false);
  Settle();
  EXPECT_EQ(Send(tips, TTM_GETTOOLCOUNT), 1);
}

TEST_F(Win32Backend, PopupMenusAreBuiltFromTheItems) {
  TForm form(&Application(), "FormMenuOwner");
  TPopupMenu menu(&form, "PopupMenu");
  TMenuItem about(&form, "mnuAbout", "About", ShortCut(0x70, 0));
  TMenuItem line(&form, "mnuLine", "-");
  TMenuItem move(&form, "mnuMove", "Move window");
  TMenuItem hidden(&form, "mnuHidden", "Hidden");
  TMenuItem sub(&form, "mnuIP", "IP profiles");
  TMenuItem sub1(&form, "mnuIP00", "Home", ShortCut('U', scCtrl));
  TMenuItem close(&form, "mnuClose", "Close");
  about.SetDefault(true);
  move.SetEnabled(false);
  hidden.SetVisible(false);
  sub1.SetChecked(true);
  for (TMenuItem* item : {&about, &line, &move, &hidden, &sub, &close}) menu.Items().Add(*item);
  sub.Add(sub1);

  ui::win32::BuiltMenu built(menu.Items());
  HMENU h = built.Get();
  ASSERT_EQ(GetMenuItemCount(h), 5);  // the hidden item is left out
  char text[64] = {};
  GetMenuStringA(h, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "About\tF1");
  EXPECT_EQ(GetMenuDefaultItem(h, TRUE, 0), 0u);
  EXPECT_TRUE(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(h, 2, MF_BYPOSITION) & MF_GRAYED);
  HMENU submenu = GetSubMenu(h, 3);
  ASSERT_NE(submenu, nullptr);
  GetMenuStringA(submenu, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Home\tCtrl+U");
  EXPECT_TRUE(GetMenuState(submenu, 0, MF_BYPOSITION) & MF_CHECKED);
  // Command ids lead back to the items.
  UINT closeId = GetMenuItemID(h, 4);
  EXPECT_EQ(built.ItemFor(closeId), &close);
  EXPECT_EQ(built.ItemFor(GetMenuItemID(submenu, 0)), &sub1);
  EXPECT_EQ(built.ItemFor(0), nullptr);
}

TEST_F(Win32Backend, OpenDialogFilterIsNulSeparated) {
  EXPECT_EQ(ui::win32::FilterForDialog("WAV File (*.wav)|*.wav|All files (*.*)|*.*"),
            std::string("WAV File (*.wav)\0*.wav\0All files (*.*)\0*.*\0\0", 44));
}

TEST_F(Win32Backend, MouseReachesWindowlessChildrenOfEveryHolder) {
  SampleForm form(&Application());
  form.Show();
  Settle();
  std::string log;
  form.Speed.OnClick = [&](TObject*) { log += "Speed.Click;"; };
  form.GroupLabel.OnClick = [&](TObject*) { log += "GroupLabel.Click;"; };
  form.SheetLabel.OnDblClick = [&](TObject*) { log += "SheetLabel.DblClick;"; };
  form.LabelTitle.OnClick = [&](TObject*) { log += "LabelTitle.Click;"; };
  form.OnClick = [&](TObject*) { log += "Form.Click;"; };
  auto at = [](TControl& c, int dx = 0) {
    return MAKELPARAM(c.Left() + c.Width() / 2 + dx, c.Top() + c.Height() / 2);
  };
  auto click = [&](TControl& c) {
    Send(HolderOf(c), WM_LBUTTONDOWN, MK_LBUTTON, at(c));
    Send(HolderOf(c), WM_LBUTTONUP, 0, at(c));
  };
  click(form.Speed);
  // A group box lets the mouse through to its parent by default; its labels need it.
  EXPECT_EQ(Send(Hwnd(form.Group), WM_NCHITTEST, 0, 0), HTCLIENT);
  click(form.GroupLabel);
  Send(Hwnd(form.SheetGeneral), WM_LBUTTONDBLCLK, MK_LBUTTON, at(form.SheetLabel));
  Send(Hwnd(form.SheetGeneral), WM_LBUTTONUP, 0, at(form.SheetLabel));
  // Released outside the control that was pressed: no click.
  Send(Hwnd(form), WM_LBUTTONDOWN, MK_LBUTTON, at(form.LabelTitle));
  Send(Hwnd(form), WM_LBUTTONUP, 0, MAKELPARAM(300, 370));
  // The form's own background.
  Send(Hwnd(form), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 370));
  Send(Hwnd(form), WM_LBUTTONUP, 0, MAKELPARAM(300, 370));
  EXPECT_EQ(log, "Speed.Click;GroupLabel.Click;SheetLabel.DblClick;Form.Click;");
}

// Moved to a monitor at 150 % (WM_DPICHANGED, as the system sends it): the model keeps its
// design values, the windows show them scaled, in fonts made for that DPI.
TEST_F(Win32Backend, AFormMovedToAMonitorOfAnotherDpiShowsItsDesignScaled) {
  SampleForm form(&Application());
  form.ButtonOK.SetHint("Confirms");
  form.ButtonOK.SetShowHint(true);
  form.Show();
  Settle();
  const int clientWidth = form.ClientWidth(), clientHeight = form.ClientHeight();
  RECT r{};
  GetWindowRect(Hwnd(form), &r);
  RECT suggested{r.left + 10, r.top + 10, r.left + 10 + (r.right - r.left) * 3 / 2,
                 r.top + 10 + (r.bottom - r.top) * 3 / 2};
  Send(Hwnd(form), 0x02E0, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  Settle();
  const Scaling at{144};
  EXPECT_NEAR(form.ClientWidth(), clientWidth, 1);
  EXPECT_NEAR(form.ClientHeight(), clientHeight, 1);
  GetWindowRect(Hwnd(form), &r);
  EXPECT_EQ(r.left, suggested.left);
  // The client area scaled, in the frame of that DPI (which wine, of one DPI, does not draw).
  auto pixels = [&](int dpi) {
    RECT outer{0, 0, Scaling{dpi}.ToPixels(form.ClientWidth()),
               Scaling{dpi}.ToPixels(form.ClientHeight())};
    sys::dpi::AdjustWindowRectForDpi(outer, DWORD(StyleOf(Hwnd(form)) & ~WS_VISIBLE),
                                     DWORD(ExStyleOf(Hwnd(form))), dpi);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
  };
  EXPECT_EQ(r.right - r.left, pixels(144).cx);
  EXPECT_EQ(r.bottom - r.top, pixels(144).cy);
  // Asked before a change, it names the size it will take.
  SIZE coming{};
  Send(Hwnd(form), 0x02E4, 192, reinterpret_cast<LPARAM>(&coming));
  EXPECT_EQ(coming.cx, pixels(192).cx);
  EXPECT_EQ(coming.cy, pixels(192).cy);
  // Both edges of a control scaled, inside a group box too.
  for (TWinControl* c :
       {static_cast<TWinControl*>(&form.Edit), static_cast<TWinControl*>(&form.GroupRadio)}) {
    GetWindowRect(Hwnd(*c), &r);
    MapWindowPoints(nullptr, GetParent(Hwnd(*c)), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, at.ToPixels(c->Left())) << c->Name();
    EXPECT_EQ(r.bottom, at.ToPixels(c->Bottom())) << c->Name();
  }
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(Send(Hwnd(form.Edit), WM_GETFONT)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -17);  // 11 design pixels at 150 %
  // The tips in the system's tooltip font as made for that DPI.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  const HFONT tipFont = reinterpret_cast<HFONT>(Send(TooltipOf(Hwnd(form)), WM_GETFONT));
  ASSERT_TRUE(tipFont && GetObjectA(tipFont, sizeof font, &font));
  EXPECT_EQ(font.lfHeight, ::MulDiv(metrics.lfStatusFont.lfHeight, 144, 96));
  // A pinned size pins the window's pixels.
  form.PinSize();
  MINMAXINFO limits{};
  Send(Hwnd(form), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  GetWindowRect(Hwnd(form), &r);
  EXPECT_EQ(limits.ptMinTrackSize.x, r.right - r.left);
  EXPECT_EQ(limits.ptMaxTrackSize.y, r.bottom - r.top);
  // The pointer's pixels reach the control painted there, in design coordinates.
  int seenX = -1;
  form.Speed.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int) { seenX = x; };
  const LPARAM atSpeed = MAKELPARAM(at.ToPixels(form.Speed.Left() + 30), at.ToPixels(50));
  Send(Hwnd(form), WM_LBUTTONDOWN, MK_LBUTTON, atSpeed);
  Send(Hwnd(form), WM_LBUTTONUP, 0, atSpeed);
  EXPECT_EQ(seenX, 30);
}

TEST_F(Win32Backend, TabMovesTheFocusAndTheScreenCursorHolds) {
  SampleForm form(&Application());
  form.Show();
  Settle();
  SetForegroundWindow(Hwnd(form));
  form.Edit.SetFocus();
  ASSERT_EQ(GetFocus(), Hwnd(form.Edit));
  PostMessageA(Hwnd(form.Edit), WM_KEYDOWN, VK_TAB, 1);
  Settle();
  EXPECT_TRUE(form.Combo.Focused());
  EXPECT_TRUE(GetFocus() == Hwnd(form.Combo) || IsChild(Hwnd(form.Combo), GetFocus()));

  Application().SetScreenCursor(crSizeAll);
  Send(Hwnd(form), WM_SETCURSOR, reinterpret_cast<WPARAM>(Hwnd(form.Edit)),
       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEALL));
  Application().SetScreenCursor(crDefault);
}

// Presses a button of the common dialog that this thread shows next (from a timer, since
// the dialog runs its own modal loop): the one that has come since, not a box an earlier
// test may have left on the screen.
class DialogAnswer {
 public:
  explicit DialogAnswer(int button) : button_(button), before_(ThreadWindow("#32770")) {
    timer_.SetOnTimer([this](TObject*) {
      HWND dialog = GetActiveWindow();
      if (!dialog || !SameClass(dialog, "#32770")) dialog = ThreadWindow("#32770");
      if (!dialog || dialog == before_) return;
      seen_ = true;
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button_)));
    });
  }
  bool Seen() const { return seen_; }

 private:
  int button_;
  HWND before_;
  bool seen_ = false;
  TTimer timer_{nullptr, "DialogAnswer", 100, true};
};

TEST_F(Win32Backend, ColourAndOpenDialogsReturnTheAnswer) {
  TColorDialog colors(&Application(), "ColorDialog");
  colors.Color = 0x123456;
  {
    DialogAnswer ok(IDOK);
    EXPECT_TRUE(colors.Execute());
    EXPECT_TRUE(ok.Seen());
  }
  EXPECT_EQ(colors.Color, 0x123456);
  {
    DialogAnswer cancel(IDCANCEL);
    EXPECT_FALSE(colors.Execute());
  }

  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  TOpenDialog open(&Application(), "OpenDialog");
  open.Title = "Pick a file";
  open.Filter = "INI files (*.ini)|*.ini|All files (*.*)|*.*";
  open.InitialDir = windows;
  open.FileName = std::string(windows) + "\\win.ini";
  {
    DialogAnswer ok(IDOK);
    EXPECT_TRUE(open.Execute());
  }
  EXPECT_EQ(lstrcmpiA(open.FileName.c_str(), (std::string(windows) + "\\win.ini").c_str()), 0)
      << open.FileName;
}

// ---- modal runs ----

struct Dialog : TForm {
  explicit Dialog(TComponent* owner) : TForm(owner, "FormWin32Dialog") {
    SetBorderStyle(TBorderStyle::Dialog);
    SetBounds(200, 200, 250, 120);
    OK.SetModalResult(mrOk);
    OK.SetDefault(true);
    Cancel.SetModalResult(mrCancel);
    Cancel.SetCancel(true);
  }
  TButton OK{this, "OK", this, {20, 50, 75, 25}, "OK"};
  TButton Cancel{this, "Cancel", this, {110, 50, 75, 25}, "Cancel"};
};

TEST_F(Win32Backend, ModalRunAnsweredByAPostedClickReenablesTheOthers) {
  SampleForm other(&Application());
  other.Show();
  Settle();
  Dialog dialog(&Application());
  bool otherDisabledMeanwhile = false;
  dialog.OnShow = [&](TObject*) {
    // Posted now, handled by the modal loop.
    PostMessageA(Hwnd(dialog.OK), BM_CLICK, 0, 0);
  };
  dialog.OK.OnClick = [&](TObject*) { otherDisabledMeanwhile = !IsWindowEnabled(Hwnd(other)); };
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_TRUE(otherDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(other)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(dialog)));

  // Escape, as a key the user presses, cancels.
  dialog.OnShow = [&](TObject*) { PostMessageA(Hwnd(dialog), WM_KEYDOWN, VK_ESCAPE, 1); };
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST_F(Win32Backend, ModalRunAnsweredByATimerThatDestroysItself) {
  Dialog dialog(&Application());
  int ticks = 0;
  auto timer = std::make_unique<TTimer>(&dialog, "Timer1", 30, true);
  timer->SetOnTimer([&](TObject*) {
    if (++ticks < 3) return;
    dialog.Cancel.Click();
    timer.reset();  // from inside its own handler
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(timer, nullptr);
}

TEST_F(Win32Backend, TerminateEndsTheModalRunAndTheOuterLoop) {
  Dialog dialog(&Application());
  TTimer timer(&dialog, "Timer1", 20, true);
  timer.SetOnTimer([&](TObject*) { Application().Terminate(); });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // for the outer loop
}

TEST_F(Win32Backend, TimersFireAndStopWhenDisabled) {
  TForm form(&Application(), "FormTimers");
  int ticks = 0;
  TTimer timer(&form, "Timer", 10, true);
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  const DWORD start = GetTickCount();
  while (ticks < 3 && GetTickCount() - start < 3000) {
    Settle();
    Sleep(5);
  }
  EXPECT_GE(ticks, 3);
  timer.SetEnabled(false);
  const int stopped = ticks;
  for (int i = 0; i < 10; ++i) {
    Settle();
    Sleep(10);
  }
  EXPECT_EQ(ticks, stopped);
}

TEST_F(Win32Backend, HandlerExceptionsStayInsideTheWindowProcedure) {
  Application().SetTitle("Quonthary");
  SampleForm form(&Application());
  form.Show();
  Settle();
  ASSERT_TRUE(form.Check.Checked());
  form.Check.OnClick = [](TObject*) { throw std::runtime_error("boom"); };
  // The error box is modal: a timer closes it.
  std::string boxText;
  TTimer closer(&form, "Closer", 50, true);
  closer.SetOnTimer([&](TObject*) {
    if (HWND box = FindWindowA("#32770", "Quonthary")) {
      HWND text = GetDlgItem(box, 0xFFFF);  // the box's message
      if (text) boxText = TextOf(text);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  });
  Send(Hwnd(form.Check), BM_CLICK);  // must return here, not unwind through the system
  EXPECT_EQ(boxText, "boom");
  EXPECT_FALSE(form.Check.Checked());
  EXPECT_EQ(Send(Hwnd(form.Check), BM_GETCHECK), BST_UNCHECKED);
}

// ---- painting ----

PictureRef Solid(int w, int h, std::uint32_t rgb) { return std::make_shared<Bitmap>(w, h, rgb); }

TEST_F(Win32Backend, WindowlessControlsArePaintedInOrderWithTransparency) {
  TForm form(&Application(), "FormWin32Paint");
  form.SetBorderStyle(TBorderStyle::None);
  form.SetFormStyle(TFormStyle::StayOnTop);
  form.SetBounds(500, 300, 120, 60);
  form.SetColor(clLime);
  TImage under(&form, "Under", &form, {0, 0, 40, 40});
  under.SetPicture(Solid(40, 40, 0xFF0000));  // red
  // Over it: a transparent picture whose left half has the key colour (its bottom-left).
  TImage over(&form, "Over", &form, {10, 10, 20, 20});
  auto overPicture = std::make_shared<Bitmap>(20, 20, 0x0000FF);
  for (int y = 0; y < 20; ++y)
    for (int x = 10; x < 20; ++x) overPicture->SetPixel(x, y, 0xFFFF00);
  over.SetPicture(overPicture);
  over.SetTransparent(true);
  TImage stretched(&form, "Stretched", &form, {50, 0, 20, 20});
  auto two = std::make_shared<Bitmap>(2, 2, 0x000000);
  two->SetPixel(1, 0, 0xFFFFFF);
  stretched.SetPicture(two);
  stretched.SetStretch(true);
  TLabel label(&form, "Label", &form, {75, 5, 40, 20}, "Hi");
  label.SetAutoSize(false);
  label.SetBounds(75, 5, 40, 20);
  label.SetColor(clWhite);
  TShape shape(&form, "Shape", &form, {50, 30, 20, 20});
  shape.SetShape(TShapeType::Circle);
  shape.SetBrushColor(clBlue);
  form.Show();
  Settle();

  auto check = [&](const screenshot::Capture& c, const char* how) {
    SCOPED_TRACE(how);
    ASSERT_GE(c.Width, 120);
    ASSERT_GE(c.Height, 60);
    EXPECT_EQ(c.Pixel(2, 2), 0xFF0000u);     // the picture beneath
    EXPECT_EQ(c.Pixel(12, 15), 0xFF0000u);   // through the key colour
    EXPECT_EQ(c.Pixel(25, 15), 0xFFFF00u);   // the opaque half
    EXPECT_EQ(c.Pixel(45, 50), 0x00FF00u);   // the form's colour
    EXPECT_EQ(c.Pixel(52, 2), 0x000000u);    // 2x2 stretched to 20x20: top-left quarter
    EXPECT_EQ(c.Pixel(67, 2), 0xFFFFFFu);    // top-right quarter
    EXPECT_EQ(c.Pixel(60, 40), 0x0000FFu);   // the circle's middle (blue)
    EXPECT_EQ(c.Pixel(50, 30), 0x00FF00u);   // outside the circle
    EXPECT_EQ(c.Pixel(112, 22), 0xFFFFFFu);  // the label's background
    int dark = 0;
    for (int y = 5; y < 25; ++y)
      for (int x = 75; x < 115; ++x) dark += c.Pixel(x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 5);  // its text
  };
  check(screenshot::PrintClient(form.Handle()), "printed");
  Sleep(100);
  Settle();
  check(screenshot::Window(form.Handle()), "on the screen");
}

PictureRef Outline(int w, int h) {
  auto bmp = std::make_shared<Bitmap>(w, h, 0x404040);
  for (int y = 2; y < h - 2; ++y)
    for (int x = 2; x < w - 6; ++x) bmp->SetPixel(x, y, 0xD0D0D0);
  return bmp;
}

TEST_F(Win32Backend, IndicatorLikeFormScreenshot) {
  // The indicator's make-up: a borderless tool window with a battery-shaped region,
  // stacked stretched pictures and transparent right-aligned labels.
  TForm form(&Application(), "FormWin32Gauge");
  form.SetBorderStyle(TBorderStyle::None);
  form.SetExStyle(WS_EX_ToolWindow);
  form.SetFormStyle(TFormStyle::StayOnTop);
  form.SetBounds(300, 300, 50, 14);
  TImage batt(&form, "ImageBatt", &form, {-2, 0, 53, 14});
  batt.SetPicture(Outline(53, 27));
  batt.SetStretch(true);
  TImage red(&form, "ImagePrRed", &form, {3, 2, 42, 10});
  red.SetPicture(Solid(4, 25, 0xC00000));
  red.SetStretch(true);
  TImage green(&form, "ImagePrGreen", &form, {3, 2, 17, 10});
  green.SetPicture(Solid(4, 25, 0x00C000));
  green.SetStretch(true);
  TLabel time(&form, "LabelTimeToEnd", &form, {20, 1, 25, 13}, "TIME");
  TFont font = time.Font();
  font.Name = "Tahoma";
  font.Height = 11;
  font.Color = clWhite;
  time.SetFont(font);
  time.SetAlignment(TAlignment::RightJustify);
  time.SetTransparent(true);
  time.SetCaption("1:02");
  time.SetLeft(45 - time.Width());
  const int w = 50, h = 14, q = h / 4;
  form.SetWindowRegion(
      {{0, q, w - 1, h - q}, {0, q + 1, w, h - q - 1}, {1, 0, w - 3, h}, {0, 1, w - 2, h - 1}});
  EXPECT_TRUE(form.SetLayeredAlpha(255));
  form.Show();
  Settle();
  Sleep(100);
  Settle();
  screenshot::Capture printed = screenshot::PrintClient(form.Handle());
  ASSERT_EQ(printed.Width, w);
  EXPECT_EQ(printed.Pixel(40, 7), 0xC00000u);  // the discharged part of the bar
  EXPECT_EQ(printed.Pixel(5, 10), 0x00C000u);  // the charged part
  EXPECT_EQ(printed.Pixel(10, 0), 0x404040u);  // the outline
  EXPECT_EQ(time.Right(), 45);
  screenshot::Capture shown = screenshot::Window(form.Handle());
  ASSERT_FALSE(shown.Empty());
  EXPECT_TRUE(shown.Scaled(8).SavePng("..\\screenshots\\win32-indicator.png"));
}

TEST_F(Win32Backend, SampleFormScreenshot) {
  SampleForm form(&Application());
  form.Show();
  Settle();
  Sleep(200);
  Settle();
  screenshot::Capture shot = screenshot::Window(form.Handle());
  ASSERT_FALSE(shot.Empty());
  EXPECT_TRUE(shot.SavePng("..\\screenshots\\win32-sample-form.png"));
  // Not one flat colour: the controls are there.
  std::vector<std::uint32_t> colors(shot.Pixels);
  std::sort(colors.begin(), colors.end());
  EXPECT_GT(std::unique(colors.begin(), colors.end()) - colors.begin(), 10);
}

}  // namespace
