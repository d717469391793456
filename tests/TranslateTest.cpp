// Translation from language files: which kinds take which keys, missing and empty texts,
// the message holder, and the sample file shipped with the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "tests/IndicatorFixture.h"

using namespace testing_support;

namespace {

struct TColourButton : ui::TButton {
  using ui::TButton::TButton;
};

// A label that cannot take a new text.
struct TStubbornLabel : ui::TLabel {
  using ui::TLabel::TLabel;

 protected:
  void TextChanged() override { throw std::runtime_error("text refused"); }
};

struct SampleDialog : ui::TForm {
  SampleDialog() : ui::TForm(&ui::Application(), "FormSample") { SetCaption("Sample"); }
  TStubbornLabel LabelStubborn{this, "LabelStubborn", this, {}, "Stubborn"};
  ui::TLabel Label1{this, "Label1", this, {}, "Name:"};
  ui::TButton Button1{this, "Button1", this, {}, "OK"};
  TColourButton ButtonColour{this, "ButtonColour", this, {}, "Colour"};
  ui::TCheckBox CheckBox1{this, "CheckBox1", this, {}, "Keep"};
  ui::TGroupBox GroupBox1{this, "GroupBox1", this, {}, "Group"};
  ui::TRadioButton Radio1{this, "Radio1", this, {}, "One"};
  ui::TPageControl Pages{this, "Pages", this, {0, 0, 100, 100}};
  ui::TTabSheet TabSheet1{this, "TabSheet1", &Pages, "General"};
  ui::TMenuItem mnuOpen{this, "mnuOpen", "Open"};
  ui::TImage Image1{this, "Image1", this};
  ui::TEdit Edit1{this, "Edit1", this};
  ui::TPanel Panel1{this, "Panel1", this, {}, "Panel"};
  ui::TSpeedButton SpeedButton1{this, "SpeedButton1", this, {}, "Up"};
  ui::TComboBox Combo1{this, "Combo1", this};
};

}  // namespace

class Translation : public testing::Test {
 protected:
  void SetUp() override {
    ui::headless::Install();
    std::filesystem::create_directories(dir.Path() / "language");
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir.Path() / "language" / name, std::ios::binary) << text;
  }
  void Translate(ui::TForm& form, const std::string& file) {
    holder.SetLanguageFile(file);
    TranslateForm(form, holder, dir.Dir());
  }
  ScratchDir dir;
  TFormLanguage holder{&ui::Application()};
};

TEST_F(Translation, KindsInTheTableTakeCaptionsAndHints) {
  SampleDialog form;
  form.Edit1.SetText("typed");
  form.Combo1.SetItems({"a"});
  Write("Test.lng",
        "[formsample]\r\n"
        "label1_cpt = Nom :\r\nLabel1_Hnt=Votre nom\r\n"
        "Button1_Cpt=D'accord\r\nButton1_Hnt=ignored\r\nButtonColour_Cpt=Couleur\r\n"
        "CheckBox1_Cpt=Garder\r\nGroupBox1_Cpt=Groupe\r\nRadio1_Cpt=Un\r\n"
        "TabSheet1_Cpt=Général\r\nmnuOpen_Cpt=Ouvrir\r\nImage1_Hnt=Image\r\nImage1_Cpt=no\r\n"
        "Edit1_Cpt=no\r\nPanel1_Cpt=no\r\nSpeedButton1_Cpt=no\r\nCombo1_Cpt=no\r\n"
        "FormSample_Cpt=no\r\n");
  Translate(form, "Test.lng");
  EXPECT_EQ(form.Label1.Caption(), "Nom :");
  EXPECT_EQ(form.Label1.Hint(), "Votre nom");
  EXPECT_EQ(form.Button1.Caption(), "D'accord");
  EXPECT_EQ(form.Button1.Hint(), "");                 // buttons take no hint
  EXPECT_EQ(form.ButtonColour.Caption(), "Couleur");  // a derived button is a button
  EXPECT_EQ(form.CheckBox1.Caption(), "Garder");
  EXPECT_EQ(form.GroupBox1.Caption(), "Groupe");
  EXPECT_EQ(form.Radio1.Caption(), "Un");
  EXPECT_EQ(form.TabSheet1.Caption(), "Général");
  EXPECT_EQ(form.mnuOpen.Caption(), "Ouvrir");
  EXPECT_EQ(form.Image1.Hint(), "Image");
  EXPECT_EQ(form.Image1.Caption(), "");
  // Kinds not in the table keep their designed texts.
  EXPECT_EQ(form.Edit1.Text(), "typed");
  EXPECT_EQ(form.Panel1.Caption(), "Panel");
  EXPECT_EQ(form.SpeedButton1.Caption(), "Up");
  EXPECT_EQ(form.Caption(), "Sample");
}

TEST_F(Translation, MissingFileSectionOrKeyKeepsTextsAndEmptyValuesEmptyThem) {
  SampleDialog form;
  Translate(form, "");
  Translate(form, "Missing.lng");
  EXPECT_EQ(form.Label1.Caption(), "Name:");
  Write("Partial.lng", "[Other]\r\nLabel1_Cpt=x\r\n[FormSample]\r\nButton1_Cpt=\r\n");
  Translate(form, "Partial.lng");
  EXPECT_EQ(form.Label1.Caption(), "Name:");
  EXPECT_EQ(form.Button1.Caption(), "");
}

TEST_F(Translation, AComponentThatCannotTakeItsTextDoesNotStopTheOthers) {
  SampleDialog form;
  Write("Test.lng", "[FormSample]\r\nLabelStubborn_Cpt=x\r\nLabel1_Cpt=Nom\r\nButton1_Cpt=Oui\r\n");
  EXPECT_NO_THROW(Translate(form, "Test.lng"));
  EXPECT_EQ(form.Label1.Caption(), "Nom");
  EXPECT_EQ(form.Button1.Caption(), "Oui");
}

TEST_F(Translation, BackToEnglishKeepsTheTextsOfAWindowAlreadyTranslated) {
  SampleDialog form;
  Write("Test.lng", "[FormSample]\r\nLabel1_Cpt=Nom\r\n");
  Translate(form, "Test.lng");
  Translate(form, "");  // a lookup in no file returns the current text
  EXPECT_EQ(form.Label1.Caption(), "Nom");
  SampleDialog fresh;  // windows made afterwards show English
  Translate(fresh, "");
  EXPECT_EQ(fresh.Label1.Caption(), "Name:");
}

TEST_F(Translation, TheHolderTranslatesTheMessages) {
  EXPECT_EQ(holder.Message("LabelNoBatt"), "No Batt.");
  EXPECT_EQ(holder.Message("LabelMonOn"), "Mon-ON");
  EXPECT_EQ(holder.Message("NoSuchLabel"), "");
  Write("Test.lng", "[FormLanguage]\r\nLabelNoBatt_Cpt=Kein Akku\r\n");
  Translate(holder, "Test.lng");
  EXPECT_EQ(holder.Message("LabelNoBatt"), "Kein Akku");
  EXPECT_EQ(holder.Message("LabelFull"), "FULL");
}

class ShippedLanguage : public IndicatorFixture {};

TEST_F(ShippedLanguage, TheSampleFileTranslatesIndicatorAndMessages) {
  std::filesystem::copy(std::filesystem::path(Q_SOURCE_DIR) / "resources" / "language",
                        dir.Path() / "language");
  fake.PowerSource.Status = NoBattery();
  TFormQuonthary& ind = Start();
  ind.FormLanguage->SetLanguageFile("Deutsch.lng");
  TranslateForm(ind, *ind.FormLanguage, ind.ProgramDir());
  TranslateForm(*ind.FormLanguage, *ind.FormLanguage, ind.ProgramDir());
  Tick();
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), "o. Akku");
  EXPECT_EQ(ind.ImageBatt.Hint(), "Kein Akku vorhanden");
  EXPECT_EQ(ind.mnuClose.Caption(), "Beenden");
  EXPECT_EQ(ind.mnuAbout.Caption(),
            "\xDC"
            "ber");  // Windows-1252, as the file is
  // Every message label of the holder has its translation in the sample.
  for (ui::TComponent* c : ind.FormLanguage->Components()) {
    TFormLanguage english(&ui::Application());
    auto* label = dynamic_cast<ui::TLabel*>(c);
    ASSERT_NE(label, nullptr);
    EXPECT_NE(label->Caption(), english.Message(label->Name())) << label->Name();
  }
}
