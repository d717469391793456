// The form library's model and its headless backend: component order, the event rules,
// modal runs, message boxes, timers and keyboard handling.
#include <gtest/gtest.h>

#include <memory>

#include "ui/Ui.h"
#include "ui/headless/HeadlessBackend.h"

using namespace ui;

namespace {

struct SampleForm : TForm {
  explicit SampleForm(TComponent* owner) : TForm(owner, "FormSample") {}
  TPanel Panel1{this, "Panel1", this, {0, 0, 200, 100}};
  TLabel Label1{this, "Label1", &Panel1, {10, 10, 40, 13}, "Hello"};
  TEdit Edit1{this, "Edit1", &Panel1, {10, 30, 100, 21}};
  TCheckBox CheckBox1{this, "CheckBox1", this, {10, 120, 100, 17}, "Check"};
  TRadioButton Radio1{this, "Radio1", this, {10, 140, 100, 17}, "One"};
  TRadioButton Radio2{this, "Radio2", this, {10, 160, 100, 17}, "Two"};
  TRadioButton Radio3{this, "Radio3", &Panel1, {10, 60, 100, 17}, "Other group"};
  TComboBox Combo1{this, "Combo1", this, {10, 180, 100, 21}};
  TTrackBar Track1{this, "Track1", this, {10, 210, 100, 30}};
  TButton ButtonOK{this, "ButtonOK", this, {10, 250, 75, 25}, "OK"};
  TButton ButtonCancel{this, "ButtonCancel", this, {90, 250, 75, 25}, "Cancel"};
};

// A kind derived from a button still counts as a button.
struct TColorButton : TButton {
  using TButton::TButton;
};

class UiModel : public testing::Test {
 protected:
  void SetUp() override { ui_ = &headless::Install(); }
  headless::HeadlessBackend* ui_ = nullptr;
};

}  // namespace

TEST_F(UiModel, ComponentsKeepOrderAndAreFoundByName) {
  SampleForm form(&Application());
  std::vector<std::string> names;
  for (TComponent* c : form.Components()) names.push_back(c->Name());
  EXPECT_EQ(names.front(), "Panel1");
  EXPECT_EQ(names.back(), "ButtonCancel");
  EXPECT_EQ(form.FindComponent("edit1"), &form.Edit1);
  EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
  EXPECT_EQ(form.Panel1.ControlCount(), 3);
  EXPECT_EQ(form.Label1.Parent(), &form.Panel1);
  EXPECT_EQ(form.Label1.ParentForm(), &form);

  TColorButton special(&form, "Special", &form, {0, 0, 10, 10}, "x");
  EXPECT_NE(dynamic_cast<TButton*>(form.FindComponent("Special")), nullptr);
  EXPECT_EQ(dynamic_cast<TButton*>(static_cast<TComponent*>(&form.CheckBox1)), nullptr);
}

TEST_F(UiModel, RunTimeComponentsBelongToTheirOwner) {
  SampleForm form(&Application());
  TShape& shape = form.Create<TShape>("ShapeX", &form, Bounds{1, 2, 3, 4});
  EXPECT_EQ(form.FindComponent("ShapeX"), &shape);
  EXPECT_EQ(shape.Parent(), &form);
  int before = form.ControlCount();
  EXPECT_TRUE(form.DestroyComponent(&shape));
  EXPECT_EQ(form.FindComponent("ShapeX"), nullptr);
  EXPECT_EQ(form.ControlCount(), before - 1);
  EXPECT_FALSE(form.DestroyComponent(&form.Edit1));  // a member is not destroyed that way
}

TEST_F(UiModel, ProgrammaticChangesFireTheDocumentedEvents) {
  SampleForm form(&Application());
  int editChanges = 0, checkClicks = 0, radioClicks = 0, comboChanges = 0, trackChanges = 0;
  form.Edit1.OnChange = [&](TObject*) { ++editChanges; };
  form.CheckBox1.OnClick = [&](TObject*) { ++checkClicks; };
  form.Radio1.OnClick = [&](TObject*) { ++radioClicks; };
  form.Combo1.OnChange = [&](TObject*) { ++comboChanges; };
  form.Track1.OnChange = [&](TObject*) { ++trackChanges; };

  form.Edit1.SetText("abc");
  form.Edit1.SetText("abc");  // unchanged: no event
  EXPECT_EQ(editChanges, 1);

  form.CheckBox1.SetChecked(true);
  form.CheckBox1.SetChecked(true);
  form.CheckBox1.SetChecked(false);
  EXPECT_EQ(checkClicks, 2);

  form.Radio2.SetChecked(true);
  form.Radio3.SetChecked(true);  // another parent, another group
  form.Radio1.SetChecked(true);
  EXPECT_EQ(radioClicks, 1);
  EXPECT_FALSE(form.Radio2.Checked());
  EXPECT_TRUE(form.Radio3.Checked());
  form.Radio1.SetChecked(false);
  EXPECT_EQ(radioClicks, 1);

  form.Combo1.SetItems({"a", "b"});
  form.Combo1.SetItemIndex(1);
  EXPECT_EQ(form.Combo1.Text(), "b");
  EXPECT_EQ(comboChanges, 0);

  form.Track1.SetRange(0, 20);
  form.Track1.SetPosition(50);  // clamped
  EXPECT_EQ(form.Track1.Position(), 20);
  form.Track1.SetPosition(20);
  EXPECT_EQ(trackChanges, 1);
}

TEST_F(UiModel, UserInputGivesTheSameEvents) {
  SampleForm form(&Application());
  std::string seen;
  form.Edit1.SetMaxLength(3);
  form.Edit1.SetCharCase(TEditCharCase::UpperCase);
  form.Edit1.OnChange = [&](TObject*) { seen += form.Edit1.Text() + ";"; };
  ui_->Type(form.Edit1, "abcd");
  EXPECT_EQ(form.Edit1.Text(), "ABC");
  EXPECT_EQ(seen, "A;AB;ABC;");
  ui_->Type(form.Edit1, "\b");
  EXPECT_EQ(form.Edit1.Text(), "AB");
  form.Edit1.SetReadOnly(true);
  ui_->Type(form.Edit1, "z");
  EXPECT_EQ(form.Edit1.Text(), "AB");

  int comboChanges = 0;
  form.Combo1.SetItems({"Alpha", "Beta"});
  form.Combo1.OnChange = [&](TObject*) { ++comboChanges; };
  ui_->Select(form.Combo1, 0);
  EXPECT_EQ(form.Combo1.Text(), "Alpha");
  ui_->Type(form.Combo1, "x");
  EXPECT_EQ(form.Combo1.Text(), "Alphax");
  EXPECT_EQ(form.Combo1.ItemIndex(), -1);
  EXPECT_EQ(comboChanges, 2);

  int clicks = 0;
  form.CheckBox1.OnClick = [&](TObject*) { ++clicks; };
  ui_->Click(form.CheckBox1);
  EXPECT_TRUE(form.CheckBox1.Checked());
  form.CheckBox1.SetEnabled(false);
  ui_->Click(form.CheckBox1);  // a disabled box ignores the click
  EXPECT_EQ(clicks, 1);
}

TEST_F(UiModel, DropDownListTextSelectsItsItem) {
  SampleForm form(&Application());
  form.Combo1.SetStyle(TComboBoxStyle::DropDownList);
  form.Combo1.SetItems({"English.lng", "Polski.lng"});
  form.Combo1.SetComboText("POLSKI.LNG");
  EXPECT_EQ(form.Combo1.ItemIndex(), 1);
  EXPECT_EQ(form.Combo1.Text(), "Polski.lng");
  form.Combo1.SetComboText("missing");
  EXPECT_EQ(form.Combo1.ItemIndex(), -1);
  EXPECT_EQ(form.Combo1.Text(), "");
}

TEST_F(UiModel, FocusMovesWithExitThenEnter) {
  SampleForm form(&Application());
  std::string order;
  form.Edit1.OnEnter = [&](TObject*) { order += "enter-edit;"; };
  form.Edit1.OnExit = [&](TObject*) { order += "exit-edit;"; };
  form.Combo1.OnEnter = [&](TObject*) { order += "enter-combo;"; };
  form.Edit1.SetFocus();
  ui_->Focus(form.Combo1);
  EXPECT_EQ(order, "enter-edit;exit-edit;enter-combo;");
  EXPECT_TRUE(form.Combo1.Focused());
}

TEST_F(UiModel, ModalRunIsAnsweredFromInside) {
  SampleForm form(&Application());
  form.ButtonOK.SetDefault(true);
  form.ButtonOK.SetModalResult(mrOk);
  form.ButtonCancel.SetCancel(true);
  form.ButtonCancel.SetModalResult(mrCancel);
  int shows = 0;
  form.OnShow = [&](TObject*) { ++shows; };

  ui_->OnModal([&](TForm& shown) {
    EXPECT_EQ(&shown, &form);
    EXPECT_TRUE(shown.Visible());
    ui_->PressKey(shown, VK_Return);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(form.Visible());

  ui_->OnModal([&](TForm& shown) { ui_->PressKey(shown, VK_Escape); });
  EXPECT_EQ(form.ShowModal(), mrCancel);

  ui_->OnModal([&](TForm& shown) { ui_->CloseByUser(shown); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(shows, 3);
  EXPECT_TRUE(ui_->Unexpected().empty());

  EXPECT_EQ(form.ShowModal(), mrCancel);  // nobody answers: noted, not hung
  EXPECT_EQ(ui_->Unexpected().size(), 1u);
}

TEST_F(UiModel, KeyPreviewSeesKeysFirst) {
  SampleForm form(&Application());
  form.ButtonCancel.SetCancel(true);
  int cancelled = 0;
  form.ButtonCancel.OnClick = [&](TObject*) { ++cancelled; };
  form.Show();
  form.SetKeyPreview(true);
  form.OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) {
    if (key == VK_Escape) key = 0;  // swallowed
  };
  ui_->PressKey(form, VK_Escape);
  EXPECT_EQ(cancelled, 0);
  form.SetKeyPreview(false);
  ui_->PressKey(form, VK_Escape);
  EXPECT_EQ(cancelled, 1);
}

TEST_F(UiModel, MessageBoxesAreAnsweredAndRecorded) {
  ui_->AnswerMessageBox(ID_No);
  EXPECT_EQ(Application().MessageBox("Delete?", "Quonthary", MB_YesNo | MB_IconQuestion), ID_No);
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_->MessageBoxes()[0].Text, "Delete?");
  EXPECT_EQ(ui_->MessageBoxes()[0].Flags, MB_YesNo | MB_IconQuestion);
  EXPECT_TRUE(ui_->Unexpected().empty());
}

TEST_F(UiModel, HandlerExceptionsEndInTheErrorBox) {
  SampleForm form(&Application());
  Application().SetTitle("Quonthary");
  form.ButtonOK.OnClick = [](TObject*) { throw std::runtime_error("Cannot create file \"x\"."); };
  ui_->AnswerMessageBox(ID_Ok);
  ui_->Click(form.ButtonOK);
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_->MessageBoxes()[0].Text, "Cannot create file \"x\".");
  EXPECT_EQ(ui_->MessageBoxes()[0].Caption, "Quonthary");
  EXPECT_EQ(ui_->MessageBoxes()[0].Flags & 0xF0, MB_IconError);
}

TEST_F(UiModel, TimersFireOnVirtualTimeAndMayDestroyThemselves) {
  SampleForm form(&Application());
  int ticks = 0;
  TTimer timer(&form, "Timer", 1000, true);
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  ui_->AdvanceTime(999);
  EXPECT_EQ(ticks, 0);
  ui_->AdvanceTime(2001);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(false);
  ui_->AdvanceTime(5000);
  EXPECT_EQ(ticks, 3);
  ui_->AdvanceTime(500);
  timer.SetEnabled(true);  // restarts the interval
  ui_->AdvanceTime(999);
  EXPECT_EQ(ticks, 3);
  ui_->AdvanceTime(1);
  EXPECT_EQ(ticks, 4);

  std::unique_ptr<TTimer> popup = std::make_unique<TTimer>(&form, "Popup", 2000, true);
  int popped = 0;
  popup->SetOnTimer([&](TObject*) {
    ++popped;
    popup.reset();
  });
  ui_->AdvanceTime(10000);
  EXPECT_EQ(popped, 1);
  EXPECT_EQ(popup, nullptr);
}

TEST_F(UiModel, TimersDueAtOneMomentFireInTheOrderTheyWereStarted) {
  SampleForm form(&Application());
  // Members lie at rising addresses, so starting the later one first tells scheduling
  // order from address order.
  struct Pair {
    TTimer first;
    TTimer second;
  } pair{{&form, "First", 1000, false}, {&form, "Second", 1000, false}};
  std::string fired;
  pair.first.SetOnTimer([&](TObject*) { fired += 'F'; });
  pair.second.SetOnTimer([&](TObject*) { fired += 'S'; });
  pair.second.SetEnabled(true);
  pair.first.SetEnabled(true);
  ui_->AdvanceTime(2000);
  EXPECT_EQ(fired, "SFSF");
}

TEST_F(UiModel, RightAlignedAutoSizeLabelKeepsItsRightEdge) {
  SampleForm form(&Application());
  form.Label1.SetAlignment(TAlignment::RightJustify);
  TFont font = form.Label1.Font();
  font.Name = "Tahoma";
  font.Height = 11;
  form.Label1.SetFont(font);
  int right = form.Label1.Right();
  form.Label1.SetCaption("1:02:05");
  EXPECT_EQ(form.Label1.Right(), right);
  EXPECT_EQ(form.Label1.Width(), 7 * headless::HeadlessBackend::CharWidth(font));
  EXPECT_EQ(form.Label1.Height(), headless::HeadlessBackend::LineHeight(font));
}

TEST_F(UiModel, FormsKeepClientSizeAndCloseByRole) {
  SampleForm form(&Application());
  form.SetBorderStyle(TBorderStyle::Dialog);
  form.SetClientSize(273, 139);
  form.SetBorderStyle(TBorderStyle::Sizeable);
  EXPECT_EQ(form.ClientWidth(), 273);
  EXPECT_EQ(form.ClientHeight(), 139);
  form.PinSize();
  EXPECT_EQ(form.Constraints().MaxHeight, form.Height());

  form.SetPosition(TPosition::ScreenCenter);
  ui_->SetScreenSize(1000, 800);
  form.Show();
  EXPECT_EQ(form.Left(), (1000 - form.Width()) / 2);
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(Application().Terminated());

  Application().SetMainForm(&form);
  form.Show();
  form.Close();
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(UiModel, AnchoredChildrenFollowTheRightAndBottomEdges) {
  TForm form(&Application(), "FormAnchors");
  form.SetBorderStyle(TBorderStyle::None);
  form.SetClientSize(115, 101);
  // The indicator's connection mark: top-right, 3 px from the right edge.
  TImage mark(&form, "Mark", &form, {104, 1, 8, 8});
  mark.SetAnchors(akTop | akRight);
  TImage plain(&form, "Plain", &form, {10, 10, 8, 8});
  TPanel band(&form, "Band", &form, {5, 60, 100, 30});
  band.SetAnchors(akLeft | akRight | akBottom);
  TButton inBand(&form, "InBand", &band, {70, 5, 25, 20});
  inBand.SetAnchors(akRight | akBottom);
  TLabel stretched(&form, "Stretched", &band, {5, 5, 60, 20});
  stretched.SetAnchors(akLeft | akTop | akBottom);

  form.SetWidth(50);
  EXPECT_EQ(mark.Left(), 39);
  EXPECT_EQ(mark.Top(), 1);
  EXPECT_EQ(plain.Left(), 10);
  EXPECT_EQ(band.Left(), 5);
  EXPECT_EQ(band.Width(), 35);
  EXPECT_EQ(band.Top(), 60);
  // The panel's own children follow the panel's new size.
  EXPECT_EQ(inBand.Left(), 5);

  form.SetHeight(14);
  EXPECT_EQ(mark.Top(), 1);
  EXPECT_EQ(band.Top(), -27);
  EXPECT_EQ(band.Height(), 30);
  EXPECT_EQ(stretched.Height(), 20);

  // A child moved by the program measures from where it is put.
  mark.SetLeft(20);
  form.SetWidth(60);
  EXPECT_EQ(mark.Left(), 30);
  // Back to the first size: everything is where it was designed.
  form.SetBounds(form.Left(), form.Top(), 115, 101);
  EXPECT_EQ(mark.Left(), 85);
  EXPECT_EQ(band.Top(), 60);
  EXPECT_EQ(band.Width(), 100);
  EXPECT_EQ(inBand.Left(), 70);

  // A changed border keeps the client size, so nothing moves; a left+right anchor stretches,
  // and never below zero.
  form.SetBorderStyle(TBorderStyle::Sizeable);
  EXPECT_EQ(band.Width(), 100);
  EXPECT_EQ(mark.Left(), 85);
  band.SetAnchors(akLeft | akRight);
  stretched.SetAnchors(akLeft | akRight);
  form.SetClientWidth(15);
  EXPECT_EQ(band.Width(), 0);
  EXPECT_EQ(stretched.Width(), 0);
}

TEST_F(UiModel, PopupMenuRunsOnPopupThenShows) {
  SampleForm form(&Application());
  TPopupMenu menu(&form, "PopupMenu");
  TMenuItem item(&form, "mnuAbout", "About", ShortCut(VK_F1, 0));
  menu.Items().Add(item);
  form.SetPopupMenu(&menu);
  int popped = 0, clicked = 0;
  menu.OnPopup = [&](TObject*) { ++popped; };
  item.OnClick = [&](TObject*) { ++clicked; };
  ui_->RightClick(form.Label1, 5, 6);
  EXPECT_EQ(popped, 1);
  EXPECT_EQ(ui_->LastPopup(), &menu);
  item.SetEnabled(false);
  ui_->ClickMenu(item);
  EXPECT_EQ(clicked, 0);
  item.SetEnabled(true);
  ui_->ClickMenu(item);
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(ShortCutToText(item.ShortCut()), "F1");
  EXPECT_EQ(ShortCutToText(ShortCut('U', scCtrl)), "Ctrl+U");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, scAlt)), "Alt+F4");
}

TEST_F(UiModel, PageControlShowsOnlyTheActiveSheet) {
  SampleForm form(&Application());
  TPageControl pages(&form, "PageControl1", &form, {0, 0, 300, 200});
  TTabSheet one(&form, "TabSheet1", &pages, "General");
  TTabSheet two(&form, "TabSheet2", &pages, "Sound");
  EXPECT_EQ(pages.ActivePage(), &one);
  EXPECT_FALSE(two.Visible());
  int changes = 0;
  pages.OnChange = [&](TObject*) { ++changes; };
  pages.SetActivePageIndex(1);
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(two.Visible());
  EXPECT_FALSE(one.Visible());
  one.SetTabVisible(false);
  ui_->SelectPage(pages, 0);  // a hidden tab cannot be picked
  EXPECT_EQ(pages.ActivePageIndex(), 1);
}

TEST(Bitmap, ReadsTwentyFourAndEightBitFiles) {
  // A 2x2 24-bit bottom-up BMP: bottom row blue, red; top row green, white.
  std::string bmp = {'B', 'M'};
  auto le32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp += char((v >> (8 * i)) & 0xFF);
  };
  auto le16 = [&](std::uint16_t v) {
    bmp += char(v & 0xFF);
    bmp += char(v >> 8);
  };
  le32(14 + 40 + 16);
  le32(0);
  le32(54);
  le32(40), le32(2), le32(2), le16(1), le16(24), le32(0), le32(16), le32(0), le32(0), le32(0),
      le32(0);
  const unsigned char rows[] = {255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0, 0};
  bmp.append(reinterpret_cast<const char*>(rows), sizeof rows);
  auto decoded = Bitmap::FromBmp(bmp);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Pixel(0, 1), 0x0000FFu);  // blue, bottom-left
  EXPECT_EQ(decoded->Pixel(1, 1), 0xFF0000u);  // red
  EXPECT_EQ(decoded->Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(decoded->TransparentColor(), 0x0000FFu);
  EXPECT_FALSE(Bitmap::FromBmp(bmp.substr(0, 60)));  // truncated
  std::string lowest = bmp;  // height -2^31: top-down with no positive height (the sanitizers)
  lowest.replace(22, 4, std::string("\0\0\0\x80", 4));
  EXPECT_FALSE(Bitmap::FromBmp(lowest));
  EXPECT_FALSE(Bitmap::FromBmp("not a bitmap at all, certainly not"));
}

TEST(Bitmap, ReadsRunLengthCodedEightBitFiles) {
  // 5x3, palette black, red, green, blue; the rows from the bottom up.
  auto bmp = [](const std::vector<unsigned char>& code) {
    std::string b = {'B', 'M'};
    auto le32 = [&](std::uint32_t v) {
      for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [&](std::uint16_t v) {
      b += char(v & 0xFF);
      b += char(v >> 8);
    };
    le32(std::uint32_t(14 + 40 + 16 + code.size()));
    le32(0);
    le32(14 + 40 + 16);
    le32(40), le32(5), le32(3), le16(1), le16(8), le32(1), le32(std::uint32_t(code.size())),
        le32(0), le32(0), le32(4), le32(0);
    for (std::uint32_t c : {0x000000u, 0x0000FFu, 0x00FF00u, 0xFF0000u}) le32(c);
    b.append(code.begin(), code.end());
    return b;
  };
  const std::vector<unsigned char> code = {
      5, 1, 0, 0,                    // bottom row: five red
      0, 3, 2, 3, 1, 0, 1, 2, 0, 0,  // literal green, blue, red (padded), one green
      0, 2, 3, 0,                    // jump three right on the top row
      2, 3, 0, 1};                   // two blue, end
  auto decoded = Bitmap::FromBmp(bmp(code));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Width(), 5);
  EXPECT_EQ(decoded->Height(), 3);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(decoded->Pixel(x, 2), 0x0000FFu) << x;
  EXPECT_EQ(decoded->Pixel(0, 1), 0x00FF00u);
  EXPECT_EQ(decoded->Pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(decoded->Pixel(2, 1), 0x0000FFu);
  EXPECT_EQ(decoded->Pixel(3, 1), 0x00FF00u);
  EXPECT_EQ(decoded->Pixel(4, 1), 0x000000u);  // left out: the first colour
  EXPECT_EQ(decoded->Pixel(2, 0), 0x000000u);
  EXPECT_EQ(decoded->Pixel(3, 0), 0xFF0000u);
  EXPECT_EQ(decoded->Pixel(4, 0), 0xFF0000u);
  // Runs past the row's end and codes cut short stop there, inside the picture.
  EXPECT_TRUE(Bitmap::FromBmp(bmp({200, 1, 0, 255, 1})));
  EXPECT_TRUE(Bitmap::FromBmp(bmp({0, 2})));

  // The about dialog's background is coded so, whole and dark.
  auto about = Bitmap::Builtin("ABOUT");
  ASSERT_TRUE(about);
  EXPECT_EQ(about->Width(), 237);
  EXPECT_EQ(about->Height(), 233);
  EXPECT_NE(about->Pixel(0, 232), 0u);  // the last row decoded (not left at the first colour)
  EXPECT_NE(about->Pixel(236, 0), 0u);
  // Shared while held, decoded afresh once nobody holds it.
  EXPECT_EQ(Bitmap::Builtin("ABOUT"), about);
  about.reset();
  about = Bitmap::Builtin("ABOUT");
  ASSERT_TRUE(about);
  EXPECT_EQ(about->Width(), 237);
  EXPECT_EQ(Bitmap::Builtin("ABOUT"), about);
  // The gauge's pictures too, with palettes of their own colours: pixel for pixel the 24-bit
  // pictures they were drawn as (a digest of each, taken from those).
  struct Picture {
    const char* Name;
    int Width, Height;
    std::uint32_t Digest;
  };
  const Picture pictures[] = {
      {"AC_PLUG", 12, 14, 0x903FC8B7u},         {"ARROW_CHARGING", 8, 9, 0x2AFBDCC0u},
      {"ARROW_DISCHARGING", 8, 9, 0xEDDCA1A0u}, {"BATTERY", 53, 27, 0xB1F8F344u},
      {"CHARGED", 42, 25, 0xA6EDA8E0u},         {"CONNECTION_ERROR", 8, 8, 0x3AD5EE40u},
      {"DISCHARGED", 42, 25, 0x37415740u},      {"MUTEDVOLUME", 42, 9, 0x809EC2C1u},
      {"STATUS_CRITICAL", 11, 12, 0x2610CFD9u}, {"STATUS_LOW", 11, 12, 0x0083D1DBu},
      {"VOLUME", 42, 9, 0x47F325A1u},
  };
  for (const Picture& p : pictures) {
    SCOPED_TRACE(p.Name);
    auto picture = Bitmap::Builtin(p.Name);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width(), p.Width);
    ASSERT_EQ(picture->Height(), p.Height);
    std::uint32_t digest = 0;
    for (int y = 0; y < p.Height; ++y)
      for (int x = 0; x < p.Width; ++x) digest = digest * 31 + picture->Pixel(x, y);
    EXPECT_EQ(digest, p.Digest);
  }
}

TEST(Bitmap, DisabledGlyphIsAnEngravedShape) {
  // A 4x3 glyph on a magenta ground: dark red, black and white pixels.
  const std::uint32_t ground = 0xFF00FF, shadow = 0x808080, light = 0xFFFFFF;
  Bitmap glyph(4, 3, ground);
  glyph.SetPixel(0, 0, 0x800000);
  glyph.SetPixel(1, 0, 0x000000);
  glyph.SetPixel(3, 0, 0xFFFFFF);  // light parts vanish
  glyph.SetPixel(3, 1, 0x000000);  // its copy would fall outside
  glyph.SetPixel(1, 1, 0x000080);  // where the copy of (0,0) falls
  const Bitmap d = glyph.Disabled(shadow, light);
  ASSERT_EQ(d.Width(), 4);
  ASSERT_EQ(d.Height(), 3);
  const std::uint32_t clear = d.TransparentColor();
  EXPECT_NE(clear, shadow);
  EXPECT_NE(clear, light);
  EXPECT_EQ(d.Pixel(0, 0), shadow);
  EXPECT_EQ(d.Pixel(1, 0), shadow);
  EXPECT_EQ(d.Pixel(1, 1), shadow);  // the shape wins over a copy
  EXPECT_EQ(d.Pixel(2, 1), light);
  EXPECT_EQ(d.Pixel(2, 2), light);
  EXPECT_EQ(d.Pixel(3, 0), clear);
  EXPECT_EQ(d.Pixel(3, 1), shadow);
  EXPECT_EQ(d.Pixel(0, 2), clear);
  EXPECT_EQ(d.Pixel(3, 2), clear);
  // No colour of the picture survives.
  for (std::uint32_t p : d.Pixels()) EXPECT_TRUE(p == shadow || p == light || p == clear);
  // A ground that is the highlight colour still gives a distinct see-through colour.
  EXPECT_NE(Bitmap(2, 2, light).Disabled(shadow, 0xFF00FF).TransparentColor(), 0xFF00FFu);
}
