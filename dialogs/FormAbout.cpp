#include "dialogs/FormAbout.h"

#include "dialogs/AboutDetails.h"
#include "dialogs/DialogLayout.h"

namespace {

ui::TFont Tahoma(int height, ui::TColor color, bool bold = false, bool underline = false) {
  ui::TFont f;
  f.Name = "Tahoma";
  f.Height = height;
  f.Color = color;
  f.Bold = bold;
  f.Underline = underline;
  return f;
}

// Light blue: reads as a link on the dark picture.
constexpr ui::TColor kLinkColor = 0xFFD48C;
constexpr ui::TColor kPale = 0xE8E0D8;

}  // namespace

TFormAbout::TFormAbout(ui::TComponent* owner, const dialogs::DialogEnv& env, sys::Processes& shell)
    : dialogs::TDialog(owner, "FormAbout", env), shell_(shell) {
  SetCaption("About Quonthary");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(237, 233);
  SetKeyPreview(true);

  Image1.SetPicture(ui::Bitmap::Builtin("ABOUT"));
  Image1.SetStretch(true);

  for (ui::TControl* c : Controls())
    if (auto* label = dynamic_cast<ui::TLabel*>(c)) label->SetTransparent(true);
  // Alignment and wrapping first: a label sizes itself to its text as its font changes.
  LabelVer.SetAlignment(ui::TAlignment::RightJustify);
  Label7.SetWordWrap(true);
  Label1.SetFont(Tahoma(11, ui::clSilver, true));
  Label2.SetFont(Tahoma(9, ui::clSilver));
  LabelVer.SetFont(Tahoma(11, ui::clSilver));
  Label3.SetFont(Tahoma(13, ui::clBlack, true));
  Label5.SetFont(Tahoma(13, ui::clWhite, true));
  Label4.SetFont(Tahoma(11, ui::clWhite, true));
  for (ui::TLabel* text :
       {&Label6, &Label7, &LabelPayment, &LabelInternational, &LabelPaymentAbroad, &LabelDontShow})
    text->SetFont(Tahoma(11, kPale));

  Label8.SetCaption(about::kMailAddress);
  Label9.SetCaption(about::kWebAddress);
  for (ui::TLabel* link : {&Label8, &Label9}) {
    link->SetFont(Tahoma(11, kLinkColor, false, true));
    link->SetCursor(ui::crHandPoint);
  }
  for (ui::TEdit* field : {&EditPayment, &EditPaymentAbroad1, &EditPaymentAbroad2}) {
    field->SetReadOnly(true);
    field->SetFont(Tahoma(11, ui::clWindowText));
  }
  Button1.SetDefault(true);
  Button1.SetCancel(true);

  Button1.OnClick = [this](ui::TObject* s) { Button1Click(s); };
  Label8.OnClick = [this](ui::TObject* s) { Label8Click(s); };
  Label9.OnClick = [this](ui::TObject* s) { Label9Click(s); };
  CheckBoxInternational.OnClick = [this](ui::TObject* s) { CheckBoxInternationalClick(s); };
  // The texts beside the boxes are part of them: a click there ticks the box too.
  LabelInternational.OnClick = [this](ui::TObject*) { CheckBoxInternational.UserClick(); };
  LabelDontShow.OnClick = [this](ui::TObject*) { CheckBoxDontShow.UserClick(); };
  dialogs::SizeLabelsToText(*this);
  // Until the box is ticked, the further fields stay hidden.
  CheckBoxInternationalClick(&CheckBoxInternational);
}

void TFormAbout::FormShow() {
  Label3.SetCaption(Label5.Caption());
  LabelVer.SetCaption(LabelVer.Caption() + " " + Build);
  EditPayment.SetText(about::PaymentText());
  EditPaymentAbroad1.SetText(about::PaymentAbroadText1());
  EditPaymentAbroad2.SetText(about::PaymentAbroadText2());
}

void TFormAbout::Button1Click(ui::TObject*) { SetModalResult(ui::mrOk); }

void TFormAbout::Label8Click(ui::TObject*) { shell_.ShellOpen(about::kMailLink, sys::ShowNormal); }

void TFormAbout::Label9Click(ui::TObject*) { shell_.ShellOpen(about::kWebLink, sys::ShowNormal); }

void TFormAbout::CheckBoxInternationalClick(ui::TObject*) {
  const bool abroad = CheckBoxInternational.Checked();
  LabelPaymentAbroad.SetVisible(abroad);
  EditPaymentAbroad1.SetVisible(abroad);
  EditPaymentAbroad2.SetVisible(abroad);
  LabelInternational.SetVisible(!abroad);
}
