// The event rules of the form library (ui/README.md) as one table, run against each
// backend through an input driver: headless (tests/UiEventRulesTest.cpp) and win32 with
// real windows and messages (tests/win32/Win32EventRulesTest.cpp).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/Ui.h"

namespace eventrules {

using namespace ui;

// A form with one control of each kind that reacts to input; every handler writes to Log.
struct EventForm : TForm {
  explicit EventForm(TComponent* owner) : TForm(owner, "FormEventRules") {
    SetBorderStyle(TBorderStyle::Single);
    SetBounds(60, 60, 430, 330);
    SetCaption("Event rules");
    ButtonOK.SetDefault(true);
    ButtonOK.SetModalResult(mrOk);
    ButtonCancel.SetCancel(true);
    Combo1.SetItems({"Alpha", "Beta"});
    List1.SetItems({"One", "Two", "Three"});
    Sheet2.SetTabVisible(false);
    Menu.Items().Add(About);
    Label1.SetPopupMenu(&Menu);
    Hook();
  }

  void Note(const std::string& s) { Log += s + ";"; }

  void Hook() {
    auto name = [](TObject* o) { return static_cast<TComponent*>(o)->Name(); };
    ButtonOK.OnClick = [this](TObject*) {
      Note("OK.Click(mr=" + std::to_string(ModalResult()) + ")");
    };
    ButtonCancel.OnClick = [this](TObject*) { Note("Cancel.Click"); };
    Check1.OnClick = [this](TObject*) {
      Note(std::string("Check1.Click(") + (Check1.Checked() ? "1" : "0") + ")");
    };
    Radio1.OnClick = Radio2.OnClick = [this, name](TObject* o) {
      Note(name(o) + ".Click(" + (Radio1.Checked() ? "1" : "0") + (Radio2.Checked() ? "1" : "0") +
           ")");
    };
    Edit1.OnChange = [this](TObject*) { Note("Edit1.Change(" + Edit1.Text() + ")"); };
    Edit1.OnEnter = [this](TObject*) { Note("Edit1.Enter"); };
    Edit1.OnExit = [this](TObject*) { Note("Edit1.Exit"); };
    Combo1.OnEnter = [this](TObject*) { Note("Combo1.Enter"); };
    Combo1.OnChange = [this](TObject*) {
      Note("Combo1.Change(" + std::to_string(Combo1.ItemIndex()) + "," + Combo1.Text() + ")");
    };
    List1.OnClick = [this](TObject*) {
      Note("List1.Click(" + std::to_string(List1.ItemIndex()) + ")");
    };
    Track1.OnChange = [this](TObject*) {
      Note("Track1.Change(" + std::to_string(Track1.Position()) + ")");
    };
    Pages.OnChange = [this](TObject*) {
      Note("Pages.Change(" + std::to_string(Pages.ActivePageIndex()) + ")");
    };
    Label1.OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) {
      Note(std::string("Label1.Down(") + (b == TMouseButton::Right ? "R" : "L") + ")");
    };
    Label1.OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
      Note(std::string("Label1.Up(") + (b == TMouseButton::Right ? "R" : "L") + ")");
    };
    Label1.OnClick = [this](TObject*) { Note("Label1.Click"); };
    Menu.OnPopup = [this](TObject*) { Note("Popup"); };
    About.OnClick = [this](TObject*) { Note("About.Click"); };
    OnShow = [this](TObject*) { Note("Form.Show"); };
    OnHide = [this](TObject*) { Note("Form.Hide"); };
    OnClose = [this](TObject*, TCloseAction&) { Note("Form.Close"); };
    OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
      Note("Form.KeyDown(" + std::to_string(key) + ")");
      if (key == VK_Escape) key = 0;  // swallowed
    };
  }

  std::string Log;
  TButton ButtonOK{this, "ButtonOK", this, {330, 10, 75, 25}, "OK"};
  TButton ButtonCancel{this, "ButtonCancel", this, {330, 40, 75, 25}, "Cancel"};
  TLabel Label1{this, "Label1", this, {10, 10, 100, 16}, "Click me"};
  TCheckBox Check1{this, "Check1", this, {10, 30, 120, 20}, "Check"};
  TRadioButton Radio1{this, "Radio1", this, {10, 50, 120, 20}, "Radio one"};
  TRadioButton Radio2{this, "Radio2", this, {10, 70, 120, 20}, "Radio two"};
  TEdit Edit1{this, "Edit1", this, {10, 95, 150, 21}};
  TComboBox Combo1{this, "Combo1", this, {10, 125, 150, 21}};
  TListBox List1{this, "List1", this, {170, 10, 150, 60}};
  TTrackBar Track1{this, "Track1", this, {170, 80, 150, 30}};
  TPageControl Pages{this, "Pages", this, {10, 160, 300, 120}};
  TTabSheet Sheet1{this, "Sheet1", &Pages, "First"};
  TTabSheet Sheet2{this, "Sheet2", &Pages, "Hidden"};
  TTabSheet Sheet3{this, "Sheet3", &Pages, "Third"};
  TPopupMenu Menu{this, "Menu"};
  TMenuItem About{this, "About", "About", ShortCut(0x70, 0)};
};

// User input as each backend delivers it.
class InputDriver {
 public:
  virtual ~InputDriver() = default;
  // Shows the form and lets it settle.
  virtual void Show(EventForm& form) = 0;
  // A left click (a disabled control cannot be clicked).
  virtual void Click(TControl& control) = 0;
  // Right click, then (when given) the user chooses that item of the popup menu.
  virtual void RightClick(TControl& control, TMenuItem* choose) = 0;
  // Typing goes to the focused control: the control gets the focus first.
  virtual void Type(TEdit& edit, const std::string& chars) = 0;
  virtual void Type(TComboBox& combo, const std::string& chars) = 0;
  virtual void Pick(TComboBox& combo, int index) = 0;
  virtual void Pick(TListBox& list, int index) = 0;
  // Clicks the tab of a page (nothing when its tab is hidden).
  virtual void PickPage(TPageControl& pages, int pageIndex) = 0;
  virtual void Slide(TTrackBar& bar, int position) = 0;
  virtual void Focus(TWinControl& control) = 0;
  virtual void Key(TForm& form, std::uint16_t key) = 0;
  // Alt together with a character key; a character key alone (to the focused control).
  virtual void AltKey(TForm& form, char ch) = 0;
  virtual void CharKey(TForm& form, char ch) = 0;
  virtual void CloseButton(TForm& form) = 0;
};

struct EventRule {
  const char* Name;
  std::function<void(EventForm&, InputDriver&)> Act;
  const char* Expected;
};

inline const std::vector<EventRule>& Rules() {
  static const std::vector<EventRule> rules = {
      {"program sets an edit's text: OnChange when it differs",
       [](EventForm& f, InputDriver&) {
         f.Edit1.SetText("abc");
         f.Edit1.SetText("abc");
       },
       "Edit1.Change(abc);"},
      {"typing: one OnChange per character, MaxLength and CharCase apply",
       [](EventForm& f, InputDriver& in) {
         f.Edit1.SetMaxLength(3);
         f.Edit1.SetCharCase(TEditCharCase::UpperCase);
         in.Type(f.Edit1, "abcd");
       },
       "Edit1.Enter;Edit1.Change(A);Edit1.Change(AB);Edit1.Change(ABC);"},
      {"backspace removes the character before the caret",
       [](EventForm& f, InputDriver& in) {
         f.Edit1.SetText("ab");
         f.Edit1.SetSelection(2, 0);
         in.Type(f.Edit1, "\b");
       },
       "Edit1.Change(ab);Edit1.Enter;Edit1.Change(a);"},
      {"typing into a read-only edit changes nothing",
       [](EventForm& f, InputDriver& in) {
         f.Edit1.SetReadOnly(true);
         in.Type(f.Edit1, "z");
       },
       "Edit1.Enter;"},
      {"program checks a check box: OnClick when the state changes",
       [](EventForm& f, InputDriver&) {
         f.Check1.SetChecked(true);
         f.Check1.SetChecked(true);
       },
       "Check1.Click(1);"},
      {"user clicks a check box: it toggles, OnClick",
       [](EventForm& f, InputDriver& in) {
         in.Click(f.Check1);
         in.Click(f.Check1);
       },
       "Check1.Click(1);Check1.Click(0);"},
      {"a disabled check box ignores the click",
       [](EventForm& f, InputDriver& in) {
         f.Check1.SetEnabled(false);
         in.Click(f.Check1);
       },
       ""},
      {"radio: checking clears the group without events; unchecking fires nothing",
       [](EventForm& f, InputDriver& in) {
         f.Radio1.SetChecked(true);
         in.Click(f.Radio2);
         in.Click(f.Radio2);
         f.Radio2.SetChecked(false);
       },
       "Radio1.Click(10);Radio2.Click(01);"},
      {"button click: ModalResult to the form, then OnClick",
       [](EventForm& f, InputDriver& in) { in.Click(f.ButtonOK); }, "OK.Click(mr=1);"},
      {"user picks a combo item: OnChange with the item's text",
       [](EventForm& f, InputDriver& in) { in.Pick(f.Combo1, 1); }, "Combo1.Change(1,Beta);"},
      {"program sets a combo item or text: nothing",
       [](EventForm& f, InputDriver&) {
         f.Combo1.SetItemIndex(0);
         f.Combo1.SetComboText("free");
       },
       ""},
      {"typing into an editable combo: OnChange per change",
       [](EventForm& f, InputDriver& in) { in.Type(f.Combo1, "ab"); },
       "Combo1.Enter;Combo1.Change(-1,a);Combo1.Change(-1,ab);"},
      {"list box click: selection, then OnClick; program selection fires nothing",
       [](EventForm& f, InputDriver& in) {
         in.Pick(f.List1, 2);
         f.List1.SetItemIndex(0);
       },
       "List1.Click(2);"},
      {"track bar: user move and program change fire OnChange once, clamped",
       [](EventForm& f, InputDriver& in) {
         in.Slide(f.Track1, 7);
         f.Track1.SetPosition(7);
         f.Track1.SetPosition(50);
       },
       "Track1.Change(7);Track1.Change(10);"},
      {"picking a tab: OnChange; a hidden tab cannot be picked; program changes fire nothing",
       [](EventForm& f, InputDriver& in) {
         in.PickPage(f.Pages, 2);
         in.PickPage(f.Pages, 1);
         f.Pages.SetActivePageIndex(0);
       },
       "Pages.Change(2);"},
      {"Enter clicks the default button",
       [](EventForm& f, InputDriver& in) { in.Key(f, VK_Return); }, "OK.Click(mr=1);"},
      {"Escape clicks the cancel button",
       [](EventForm& f, InputDriver& in) { in.Key(f, VK_Escape); }, "Cancel.Click;"},
      {"key preview sees the key first and may swallow it",
       [](EventForm& f, InputDriver& in) {
         f.SetKeyPreview(true);
         in.Key(f, VK_Escape);
         in.Key(f, VK_Return);
       },
       "Form.KeyDown(27);Form.KeyDown(13);OK.Click(mr=1);"},
      {"the title bar's close button closes the form",
       [](EventForm& f, InputDriver& in) { in.CloseButton(f); }, "Form.Close;Form.Hide;"},
      {"focus moves: OnExit of the old control, then OnEnter",
       [](EventForm& f, InputDriver& in) {
         in.Focus(f.Edit1);
         in.Focus(f.Combo1);
       },
       "Edit1.Enter;Edit1.Exit;Combo1.Enter;"},
      {"label click: mouse down, mouse up, click",
       [](EventForm& f, InputDriver& in) { in.Click(f.Label1); },
       "Label1.Down(L);Label1.Up(L);Label1.Click;"},
      {"right click: mouse down and up, then the popup menu's OnPopup",
       [](EventForm& f, InputDriver& in) { in.RightClick(f.Label1, nullptr); },
       "Label1.Down(R);Label1.Up(R);Popup;"},
      {"choosing a menu item runs its OnClick",
       [](EventForm& f, InputDriver& in) { in.RightClick(f.Label1, &f.About); },
       "Label1.Down(R);Label1.Up(R);Popup;About.Click;"},
      {"Alt+letter clicks the button whose caption holds the accelerator",
       [](EventForm& f, InputDriver& in) {
         f.ButtonCancel.SetCaption("&Cancel");
         in.AltKey(f, 'c');
       },
       "Cancel.Click;"},
      {"Alt+letter toggles the check box, either letter case; \"&&\" is no accelerator",
       [](EventForm& f, InputDriver& in) {
         f.Check1.SetCaption("&&Check");
         in.AltKey(f, 'c');
         f.Check1.SetCaption("Ch&eck");
         in.AltKey(f, 'E');
       },
       "Check1.Click(1);"},
      {"Alt+letter checks the radio button",
       [](EventForm& f, InputDriver& in) {
         f.Radio2.SetCaption("Radio &two");
         in.AltKey(f, 't');
       },
       "Radio2.Click(01);"},
      {"Alt+letter of a label focuses its FocusControl",
       [](EventForm& f, InputDriver& in) {
         f.Label1.SetCaption("&Name:");
         f.Label1.SetFocusControl(&f.Edit1);
         in.AltKey(f, 'n');
       },
       "Edit1.Enter;"},
      {"a disabled or hidden control's accelerator does nothing",
       [](EventForm& f, InputDriver& in) {
         f.ButtonCancel.SetCaption("&Cancel");
         f.ButtonCancel.SetEnabled(false);
         f.Check1.SetCaption("&Check");
         f.Check1.Hide();
         in.AltKey(f, 'c');
         f.ButtonCancel.SetEnabled(true);
         in.AltKey(f, 'c');
       },
       "Cancel.Click;"},
      {"a letter alone is an accelerator while the focused control takes no characters",
       [](EventForm& f, InputDriver& in) {
         f.ButtonCancel.SetCaption("&Cancel");
         in.Focus(f.Check1);
         in.CharKey(f, 'c');
       },
       "Cancel.Click;"},
      {"a letter typed into an edit is text, not an accelerator",
       [](EventForm& f, InputDriver& in) {
         f.ButtonCancel.SetCaption("&Cancel");
         in.Focus(f.Edit1);
         in.CharKey(f, 'c');
       },
       "Edit1.Enter;Edit1.Change(c);"},
      {"hiding and showing a form: OnHide, OnShow",
       [](EventForm& f, InputDriver&) {
         f.Hide();
         f.Show();
       },
       "Form.Hide;Form.Show;"},
  };
  return rules;
}

}  // namespace eventrules
