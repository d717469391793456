// The about dialog: the product name and build over a picture, the maker, a notice that the
// program is free, two links (mail and web page), and the two check boxes whose states are
// settings. Run by TFormQuonthary::ShowAboutDialog, which copies the settings in and out.
#pragma once
#include <string>

#include "dialogs/Dialog.h"
#include "system/Processes.h"
#include "ui/Ui.h"

class TFormAbout : public dialogs::TDialog {
 public:
  // shell opens the two links.
  TFormAbout(ui::TComponent* owner, const dialogs::DialogEnv& env, sys::Processes& shell);

  // ---- components, with their design values ----
  ui::TImage Image1{this, "Image1", this, {0, 0, 237, 233}};
  ui::TLabel Label1{this, "Label1", this, {8, 3, 52, 13}, "Quonthary"};
  ui::TLabel Label2{this, "Label2", this, {8, 17, 45, 11}, "FREEWARE"};
  ui::TLabel LabelVer{this, "LabelVer", this, {190, 3, 39, 13}, "build"};
  // Label3 is Label5's shadow, one pixel lower and to the right, drawn first.
  ui::TLabel Label3{this, "Label3", this, {11, 33, 180, 16}, ""};
  ui::TLabel Label5{this, "Label5", this, {10, 32, 180, 16}, "Battery and network profiles"};
  ui::TLabel Label4{this, "Label4", this, {10, 54, 56, 13}, "Tessmark"};
  ui::TLabel Label6{this, "Label6", this, {10, 68, 80, 13}, "Made in Poland"};
  ui::TLabel Label7{this,
                    "Label7",
                    this,
                    {10, 84, 217, 26},
                    "Free of charge since 2026: use it, copy it and give it away."};
  ui::TLabel Label8{this, "Label8", this, {10, 113, 120, 13}, "quonthary@example.com"};
  ui::TLabel Label9{this, "Label9", this, {10, 127, 140, 13}, "www.example.com/quonthary"};
  ui::TLabel LabelPayment{this, "LabelPayment", this, {10, 146, 30, 13}, "Price:"};
  ui::TEdit EditPayment{this, "EditPayment", this, {60, 143, 167, 19}};
  ui::TCheckBox CheckBoxInternational{this, "CheckBoxInternational", this, {10, 168, 13, 13}};
  ui::TLabel LabelInternational{
      this, "LabelInternational", this, {27, 168, 100, 13}, "International users"};
  ui::TLabel LabelPaymentAbroad{this, "LabelPaymentAbroad", this, {27, 168, 40, 13}, "Abroad:"};
  ui::TEdit EditPaymentAbroad1{this, "EditPaymentAbroad1", this, {75, 165, 152, 19}};
  ui::TEdit EditPaymentAbroad2{this, "EditPaymentAbroad2", this, {75, 186, 152, 19}};
  ui::TCheckBox CheckBoxDontShow{this, "CheckBoxDontShow", this, {10, 213, 13, 13}};
  ui::TLabel LabelDontShow{
      this, "LabelDontShow", this, {27, 213, 110, 13}, "Don't show at startup"};
  ui::TButton Button1{this, "Button1", this, {154, 207, 75, 23}, "OK"};

  // ---- set by the launcher before the dialog is shown ----
  // The build number that follows the (translated) word in LabelVer.
  std::string Build;

  // (The sizeable border of creation comes with dialogs::TDialog.)
  void Button1Click(ui::TObject* sender);
  void Label8Click(ui::TObject* sender);
  void Label9Click(ui::TObject* sender);
  void CheckBoxInternationalClick(ui::TObject* sender);

 protected:
  void FormShow() override;

 private:
  sys::Processes& shell_;
};
