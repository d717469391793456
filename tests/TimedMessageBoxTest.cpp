// The timed message box: count-down, red line, size, icon, keys, and its launcher.
#include <fstream>

#include "i18n/Translate.h"
#include "tests/ProfileFixture.h"

namespace {

using testing_support::ProfileFixture;

class TimedMessageBox : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
  }
};

TEST_F(TimedMessageBox, CountsDownAndClosesItselfAtZero) {
  std::vector<std::string> captions;
  bool open = false;
  ui_->OnModal([&](ui::TForm& form) {
    auto& box = dynamic_cast<TFormMsgBox&>(form);
    captions.push_back(box.ButtonOK.Caption());
    ui_->AdvanceTime(1000);
    captions.push_back(box.ButtonOK.Caption());
    ui_->AdvanceTime(18000);
    open = box.ModalResult() == ui::mrNone;
    ui_->AdvanceTime(1000);
    captions.push_back(box.ButtonOK.Caption());
    EXPECT_FALSE(box.Timer1.Enabled());
  });
  Ind().ShowTimedMessage("Done", "", 20, ui::IDI_Asterisk);
  ExpectAllAnswered();  // closed by the count-down, not left open
  EXPECT_EQ(captions, (std::vector<std::string>{"OK (20)", "OK (19)", "OK (0)"}));
  EXPECT_TRUE(open);  // still open one second before the end
  EXPECT_EQ(Ind().FormMsgBox, nullptr);
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Hide);
  ASSERT_FALSE(fake.Sound.Events.empty());
  EXPECT_EQ(fake.Sound.Events.front(), sys::SoundEvent::SystemBeep(0));
}

TEST_F(TimedMessageBox, WithoutARedLineItIsFortyPixelsShorter) {
  int withRed = 0, withoutRed = 0, buttonWith = 0, buttonWithout = 0;
  bool redShown = true;
  ui_->OnModal([&](ui::TForm& form) {
    auto& box = dynamic_cast<TFormMsgBox&>(form);
    withRed = box.Height();
    buttonWith = box.ButtonOK.Top();
    box.ButtonOK.Click();
  });
  Ind().ShowTimedMessage("Done", "anything", 10, ui::IDI_Asterisk);
  ui_->OnModal([&](ui::TForm& form) {
    auto& box = dynamic_cast<TFormMsgBox&>(form);
    withoutRed = box.Height();
    buttonWithout = box.ButtonOK.Top();
    redShown = box.LabelRedMsg.Visible();
    EXPECT_EQ(box.Constraints().MaxHeight, box.Height());
    EXPECT_EQ(box.Constraints().MinHeight, box.Height());
    box.ButtonOK.Click();
  });
  Ind().ShowTimedMessage("Done", "", 10, ui::IDI_Asterisk);
  ExpectAllAnswered();
  EXPECT_EQ(withRed - withoutRed, 40);
  EXPECT_EQ(buttonWith - buttonWithout, 40);  // the button stays at the bottom
  EXPECT_FALSE(redShown);
}

TEST_F(TimedMessageBox, RedLineAlwaysReadsTheTranslatedDeviceMessage) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "de.lng")
      << "[FormLanguage]\r\nLabelDisEnab_Cpt=GERAET NEU STARTEN!\r\n"
         "[FormMsgBox]\r\nLabelRedMsg_Cpt=from the box section\r\n";
  Ind().FormLanguage->SetLanguageFile("de.lng");
  TranslateForm(*Ind().FormLanguage, *Ind().FormLanguage, Ind().ProgramDir());
  RecordTimedMessage();
  Ind().ShowTimedMessage("Done", "some other text", 20, ui::IDI_Asterisk);
  ASSERT_TRUE(shown);
  EXPECT_TRUE(shown->RedVisible);
  EXPECT_EQ(shown->Red, "GERAET NEU STARTEN!");
}

TEST_F(TimedMessageBox, IconSecondsAndKeys) {
  for (std::uint16_t key : {ui::VK_Return, ui::VK_Escape}) {
    ui_->OnModal([&](ui::TForm& form) {
      auto& box = dynamic_cast<TFormMsgBox&>(form);
      EXPECT_EQ(box.ImageDesc.SystemIcon(), ui::IDI_Exclamation);
      EXPECT_EQ(box.LabelMsg.Caption(), "Careful");
      EXPECT_EQ(box.ButtonOK.Caption(), "OK (7)");
      // Shown in front of the other windows.
      EXPECT_EQ(fake.Desktop.SetForegroundCalls.back(), box.Handle());
      ui_->PressKey(form, key);
    });
    Ind().ShowTimedMessage("Careful", "", 7, ui::IDI_Exclamation);
    ExpectAllAnswered();
  }
}

TEST_F(TimedMessageBox, DesignValues) {
  TFormMsgBox box(&ui::Application(), Ind().DialogEnvironment());
  EXPECT_EQ(box.Caption(), "Quonthary");
  EXPECT_EQ(box.ClientWidth(), 273);
  EXPECT_EQ(box.ClientHeight(), 139);
  EXPECT_EQ(box.BorderStyle(), ui::TBorderStyle::Sizeable);
  EXPECT_EQ(box.BorderIcons(), ui::biSystemMenu);
  EXPECT_EQ(box.Position(), ui::TPosition::ScreenCenter);
  EXPECT_EQ(box.SecondsLeft, 10);
  EXPECT_EQ(box.IconId, ui::IDI_Asterisk);
  EXPECT_FALSE(box.Timer1.Enabled());
  EXPECT_EQ(box.Timer1.Interval(), 1000u);
  EXPECT_FALSE(box.LabelRedMsg.Visible());
  EXPECT_EQ(box.LabelRedMsg.Font().Color, ui::clRed);
  EXPECT_TRUE(box.ButtonOK.Default());
  EXPECT_TRUE(box.ButtonOK.Cancel());
}

TEST_F(TimedMessageBox, ALongMessageMakesTheBoxTallerInsteadOfBeingCut) {
  int shortHeight = 0, longHeight = 0, labelHeight = 0, buttonTop = 0, labelBottom = 0;
  ui_->OnModal([&](ui::TForm& form) {
    shortHeight = form.Height();
    ui_->PressKey(form, ui::VK_Return);
  });
  Ind().ShowTimedMessage("Done", "", 10, ui::IDI_Asterisk);
  ui_->OnModal([&](ui::TForm& form) {
    auto& box = dynamic_cast<TFormMsgBox&>(form);
    longHeight = box.Height();
    labelHeight = box.LabelMsg.Height();
    labelBottom = box.LabelMsg.Bottom();
    buttonTop = box.ButtonOK.Top();
    ui_->PressKey(form, ui::VK_Return);
  });
  const std::string text = "A message that needs several lines: " + std::string(100, 'x');
  Ind().ShowTimedMessage(text, "", 10, ui::IDI_Asterisk);
  const ui::TFont font;
  const int needed = ui::CurrentBackend().MeasureText(font, text, 206).Height;
  EXPECT_EQ(labelHeight, needed);
  EXPECT_EQ(longHeight - shortHeight, needed - 21);
  EXPECT_LT(labelBottom, buttonTop);
}

}  // namespace
