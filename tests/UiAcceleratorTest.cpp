// Accelerators: what a caption shows, what a label measures, and which control Alt+letter
// (or a plain letter) reaches. The shared rules also run on real windows
// (tests/EventRules.h).
#include <gtest/gtest.h>

#include <memory>

#include "ui/Ui.h"
#include "ui/headless/HeadlessBackend.h"

using namespace ui;

namespace {

struct AccelForm : TForm {
  explicit AccelForm(TComponent* owner) : TForm(owner, "FormAccel") {
    LabelName.SetFocusControl(&EditName);
    ButtonOK.OnClick = [this](TObject*) { Log += "OK;"; };
    ButtonApply.OnClick = [this](TObject*) { Log += "Apply;"; };
    Speed.OnClick = [this](TObject*) { Log += "Speed;"; };
    Pages.OnChange = [this](TObject*) { Log += "Page" + std::to_string(Pages.ActivePageIndex()); };
  }
  std::string Log;
  TLabel LabelName{this, "LabelName", this, {8, 8, 40, 13}, "&Name:"};
  TEdit EditName{this, "EditName", this, {60, 8, 100, 21}};
  TGroupBox Group{this, "Group", this, {8, 40, 160, 80}, "&Mode"};
  TRadioButton RadioDhcp{this, "RadioDhcp", &Group, {8, 16, 100, 17}, "&DHCP"};
  TRadioButton RadioStatic{this, "RadioStatic", &Group, {8, 36, 100, 17}, "&Static"};
  TPanel Panel{this, "Panel", this, {180, 8, 160, 60}};
  TButton ButtonApply{this, "ButtonApply", &Panel, {8, 8, 75, 25}, "&Apply"};
  TSpeedButton Speed{this, "Speed", this, {180, 80, 60, 25}, "&Up"};
  TButton ButtonOK{this, "ButtonOK", this, {180, 120, 75, 25}, "OK"};
  TListBox List{this, "List", this, {8, 130, 100, 60}};
  TPageControl Pages{this, "Pages", this, {8, 200, 300, 100}};
  TTabSheet SheetGeneral{this, "SheetGeneral", &Pages, "&General"};
  TTabSheet SheetSound{this, "SheetSound", &Pages, "S&ound"};
  TCheckBox CheckOnSound{this, "CheckOnSound", &SheetSound, {8, 8, 100, 17}, "&Beep"};
};

class UiAccelerators : public testing::Test {
 protected:
  void SetUp() override { ui_ = &headless::Install(); }
  headless::HeadlessBackend* ui_ = nullptr;
};

}  // namespace

TEST(Accelerators, CaptionsShowTheirTextWithoutPrefixes) {
  EXPECT_EQ(StripAccelerator("&OK"), "OK");
  EXPECT_EQ(StripAccelerator("Save && &close"), "Save & close");
  EXPECT_EQ(StripAccelerator("&&&&"), "&&");
  EXPECT_EQ(StripAccelerator("End&"), "End");
  EXPECT_EQ(StripAccelerator("plain"), "plain");

  EXPECT_EQ(AcceleratorOf("&OK"), 'o');
  EXPECT_EQ(AcceleratorOf("Save && &close"), 'c');  // "&&" is skipped, not the accelerator
  EXPECT_EQ(AcceleratorOf("A&&B"), 0);
  EXPECT_EQ(AcceleratorOf("&First &Second"), 'f');
  EXPECT_EQ(AcceleratorOf("End&"), 0);
  EXPECT_EQ(AcceleratorOf("\xC4nderung &\xDC"
                          "bernehmen"),
            '\xFC');  // Latin-1 capitals fold
  EXPECT_TRUE(IsAccel('C', "&close"));
  EXPECT_TRUE(IsAccel('\xFC', "&\xDC"));
  EXPECT_FALSE(IsAccel('x', "plain"));
  EXPECT_FALSE(IsAccel('&', "A&&B"));
}

TEST_F(UiAccelerators, LabelsMeasureTheTextAsShown) {
  TForm form(&Application(), "FormSizes");
  TLabel label(&form, "Label1", &form, {0, 0, 10, 10});
  const int cw = headless::HeadlessBackend::CharWidth(label.Font());
  label.SetCaption("&Name:");
  EXPECT_EQ(label.Width(), 5 * cw);
  EXPECT_EQ(label.ShownCaption(), "Name:");
  label.SetCaption("Fish && chips");
  EXPECT_EQ(label.Width(), 12 * cw);
  // A label that shows data measures every "&" as a character.
  label.SetShowAccelChar(false);
  EXPECT_EQ(label.ShownCaption(), "Fish && chips");
  EXPECT_EQ(label.Width(), 13 * cw);
}

TEST_F(UiAccelerators, AltLetterReachesTheControlThatHoldsIt) {
  AccelForm form(&Application());
  form.Show();
  ui_->PressAlt(form, 'n');  // the label focuses its control
  EXPECT_EQ(form.ActiveControl(), &form.EditName);

  ui_->PressAlt(form, 's');  // a radio button inside a group box
  EXPECT_TRUE(form.RadioStatic.Checked());
  EXPECT_EQ(form.ActiveControl(), &form.RadioStatic);

  ui_->PressAlt(form, 'A');  // a button inside a panel
  ui_->PressAlt(form, 'u');  // a speed button
  EXPECT_EQ(form.Log, "Apply;Speed;");

  ui_->PressAlt(form, 'o');  // a tab
  EXPECT_EQ(form.Pages.ActivePage(), &form.SheetSound);
  ui_->PressAlt(form, 'o');  // the tab already shown: no change event
  EXPECT_EQ(form.Log, "Apply;Speed;Page1");
  ui_->PressAlt(form, 'b');  // now on the shown sheet
  EXPECT_TRUE(form.CheckOnSound.Checked());
  ui_->PressAlt(form, 'g');
  EXPECT_EQ(form.Pages.ActivePage(), &form.SheetGeneral);
  ui_->PressAlt(form, 'b');  // its sheet is hidden again
  EXPECT_TRUE(form.CheckOnSound.Checked());

  ui_->PressAlt(form, 'x');  // nobody's accelerator
  EXPECT_EQ(form.Log, "Apply;Speed;Page1Page0");
}

TEST_F(UiAccelerators, GroupBoxFocusesTheFirstControlInside) {
  AccelForm form(&Application());
  form.Show();
  form.RadioDhcp.SetChecked(true);
  ui_->PressAlt(form, 'm');
  // Radio buttons are no tab stops: the checked one takes the focus, and stays checked.
  EXPECT_EQ(form.ActiveControl(), &form.RadioDhcp);
  TEdit extra(&form, "Extra", &form.Group, {8, 56, 50, 21});
  ui_->PressAlt(form, 'm');
  EXPECT_EQ(form.ActiveControl(), &extra);
  EXPECT_TRUE(form.RadioDhcp.Checked());
}

TEST_F(UiAccelerators, WhatCannotActIsPassedOver) {
  AccelForm form(&Application());
  form.Show();
  // A label without a focus control, or whose control cannot take the focus.
  form.LabelName.SetFocusControl(nullptr);
  ui_->PressAlt(form, 'n');
  EXPECT_EQ(form.ActiveControl(), nullptr);
  form.LabelName.SetFocusControl(&form.EditName);
  form.EditName.SetEnabled(false);
  ui_->PressAlt(form, 'n');
  EXPECT_EQ(form.ActiveControl(), nullptr);
  form.EditName.SetEnabled(true);
  form.LabelName.SetShowAccelChar(false);  // "&" is then just a character
  ui_->PressAlt(form, 'n');
  EXPECT_EQ(form.ActiveControl(), nullptr);
  form.LabelName.SetShowAccelChar(true);

  // Inside a hidden or disabled container.
  form.Panel.Hide();
  ui_->PressAlt(form, 'a');
  form.Panel.Show();
  form.Panel.SetEnabled(false);
  ui_->PressAlt(form, 'a');
  form.Speed.SetEnabled(false);
  ui_->PressAlt(form, 'u');
  EXPECT_EQ(form.Log, "");

  // The first of two controls with the same accelerator wins.
  form.Panel.SetEnabled(true);
  form.ButtonOK.SetCaption("&Again");
  ui_->PressAlt(form, 'a');
  EXPECT_EQ(form.Log, "Apply;");
}

TEST_F(UiAccelerators, PlainLettersActOnlyWhileTheFocusTakesNoCharacters) {
  AccelForm form(&Application());
  form.Show();
  form.ButtonOK.SetFocus();
  ui_->PressChar(form, 'a');
  EXPECT_EQ(form.Log, "Apply;");

  form.EditName.SetFocus();
  ui_->PressChar(form, 'a');
  EXPECT_EQ(form.EditName.Text(), "a");
  form.List.SetFocus();  // a list box takes letters to find its entries
  ui_->PressChar(form, 'a');
  form.Pages.SetFocus();  // so does a focused tab row
  ui_->PressChar(form, 'a');
  EXPECT_EQ(form.Log, "Apply;");
  ui_->PressAlt(form, 'a');  // Alt works from anywhere
  EXPECT_EQ(form.Log, "Apply;Apply;");

  // Space presses the focused button and Ctrl+letter is a shortcut: no accelerators.
  form.ButtonOK.SetCaption("& OK");
  form.ButtonOK.SetFocus();
  EXPECT_FALSE(form.UserDialogChar(' ', 0));
  EXPECT_FALSE(form.UserDialogChar('a', ssCtrl | ssAlt));
  EXPECT_TRUE(form.UserDialogChar('a', 0));
}

TEST_F(UiAccelerators, ALabelForgetsAFocusControlThatGoesAway) {
  AccelForm form(&Application());
  form.Show();
  auto& made = form.Create<TEdit>("EditMade", &form.Panel, Bounds{8, 40, 60, 21});
  form.LabelName.SetFocusControl(&made);
  // A label that goes first leaves nothing behind in the window (the sanitizers would see it).
  auto& first = form.Create<TLabel>("LabelFirst", &form.Panel, Bounds{8, 60, 60, 13});
  first.SetFocusControl(&made);
  form.DestroyComponent(&first);
  ui_->PressAlt(form, 'n');
  EXPECT_EQ(form.ActiveControl(), &made);
  form.DestroyComponent(&made);
  EXPECT_EQ(form.LabelName.FocusControl(), nullptr);
  EXPECT_EQ(form.ActiveControl(), nullptr);
  ui_->PressAlt(form, 'n');  // nothing to focus, nothing dangling
  EXPECT_EQ(form.ActiveControl(), nullptr);
}
