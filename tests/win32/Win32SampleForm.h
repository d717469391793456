// A form with one control of each kind, mirrored by the win32 backend tests and shown in
// the sample screenshot.
#pragma once
#include <memory>

#include "ui/Ui.h"

namespace win32test {

using namespace ui;

// A picture of horizontal stripes: red, green, blue, white from the top.
inline PictureRef StripesPicture(int width, int height) {
  auto bmp = std::make_shared<Bitmap>(width, height);
  const std::uint32_t colors[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp->SetPixel(x, y, colors[(y * 4) / height]);
  return bmp;
}

struct SampleForm : TForm {
  explicit SampleForm(TComponent* owner) : TForm(owner, "FormWin32Sample") {
    SetBorderStyle(TBorderStyle::Dialog);
    SetBorderIcons(biSystemMenu);
    SetBounds(40, 40, 0, 0);
    SetClientSize(460, 390);
    SetCaption("Quonthary - every control");
    TFont bold = Font();
    bold.Name = "Tahoma";
    bold.Bold = true;
    bold.Height = 13;
    LabelTitle.SetFont(bold);
    Picture.SetPicture(StripesPicture(32, 32));
    Picture.SetStretch(true);
    Icon.SetSystemIcon(IDI_Asterisk);
    Circle.SetShape(TShapeType::Circle);
    Circle.SetBrushColor(clLime);
    ButtonOK.SetDefault(true);
    ButtonOK.SetModalResult(mrOk);
    ButtonCancel.SetCancel(true);
    ButtonCancel.SetModalResult(mrCancel);
    Check.SetChecked(true);
    RadioB.SetChecked(true);
    Edit.SetCharCase(TEditCharCase::UpperCase);
    Edit.SetText("Edit text");
    Combo.SetStyle(TComboBoxStyle::DropDownList);
    Combo.SetItems({"English.lng", "Polski.lng", "Deutsch.lng"});
    Combo.SetItemIndex(1);
    List.SetItems({"01 - Home", "02 - Office", "03 - Hotel"});
    List.SetItemIndex(1);
    Track.SetRange(0, 20);
    Track.SetPosition(5);
    Panel.SetBevelOuter(TBevelCut::Lowered);
    SheetHidden.SetTabVisible(false);
    TFont red = LabelRed.Font();
    red.Color = clRed;
    LabelRed.SetFont(red);
    LabelRed.SetWordWrap(true);
  }

  TLabel LabelTitle{this, "LabelTitle", this, {10, 8, 250, 16}, "Every kind of control"};
  TImage Picture{this, "Picture", this, {10, 32, 40, 40}};
  TImage Icon{this, "Icon", this, {58, 36, 32, 32}};
  TShape Circle{this, "Circle", this, {98, 36, 32, 32}};
  TSpeedButton Speed{this, "Speed", this, {140, 40, 70, 25}, "Speed"};
  TButton ButtonOK{this, "ButtonOK", this, {375, 10, 75, 25}, "OK"};
  TButton ButtonCancel{this, "ButtonCancel", this, {375, 42, 75, 25}, "Cancel"};
  TCheckBox Check{this, "Check", this, {10, 82, 150, 17}, "Check box"};
  TRadioButton RadioA{this, "RadioA", this, {10, 102, 150, 17}, "Radio A"};
  TRadioButton RadioB{this, "RadioB", this, {10, 122, 150, 17}, "Radio B"};
  TEdit Edit{this, "Edit", this, {10, 146, 160, 21}};
  TComboBox Combo{this, "Combo", this, {10, 176, 160, 21}};
  TListBox List{this, "List", this, {190, 82, 170, 60}};
  TTrackBar Track{this, "Track", this, {190, 150, 170, 30}};
  TGroupBox Group{this, "Group", this, {10, 210, 170, 80}, "Group box"};
  TRadioButton GroupRadio{this, "GroupRadio", &Group, {10, 20, 140, 17}, "In the group"};
  TLabel GroupLabel{this, "GroupLabel", &Group, {10, 45, 140, 16}, "A label in a group"};
  TPanel Panel{this, "Panel", this, {190, 190, 170, 40}, "Panel caption"};
  TPageControl Pages{this, "Pages", this, {190, 240, 260, 140}};
  TTabSheet SheetGeneral{this, "SheetGeneral", &Pages, "General"};
  TTabSheet SheetHidden{this, "SheetHidden", &Pages, "Hidden"};
  TTabSheet SheetSound{this, "SheetSound", &Pages, "Sound"};
  TLabel SheetLabel{this, "SheetLabel", &SheetGeneral, {8, 8, 200, 16}, "On the first sheet"};
  TCheckBox SheetCheck{this, "SheetCheck", &SheetGeneral, {8, 30, 200, 17}, "Sheet check"};
  TLabel LabelRed{this, "LabelRed", this, {10, 300, 170, 40}, "A red, word-wrapped label text"};
};

}  // namespace win32test
