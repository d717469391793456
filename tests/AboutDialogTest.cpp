// The about dialog: the first-run check, the menu command, what the dialog stores however it
// closes, the window itself, and the scrambled payment texts.
#include <filesystem>
#include <fstream>

#include "dialogs/AboutDetails.h"
#include "dialogs/FormAbout.h"
#include "tests/SettingsFixture.h"

namespace {

using testing_support::SettingsFixture;

class AboutDialog : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    aboutSeen = false;
  }
  // The next modal window must be the about dialog: look at it, then let act close it.
  void AnswerAbout(std::function<void(TFormAbout&)> act) {
    ui_->OnModal([this, act](ui::TForm& form) {
      auto* about = dynamic_cast<TFormAbout*>(&form);
      ASSERT_NE(about, nullptr) << form.Name();
      ++shownCount;
      act(*about);
    });
  }
  void TickAndOk(TFormAbout& w) {
    if (!w.CheckBoxDontShow.Checked()) ui_->Click(w.CheckBoxDontShow);
    ui_->Click(w.Button1);
  }
  void ExpectNothingShown() {
    EXPECT_EQ(ui_->PendingModals(), 0u);
    EXPECT_TRUE(ui_->Unexpected().empty()) << ui_->Unexpected().front();
  }
  void SetVersion(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    fake.VersionInfo.Version = std::array<std::uint16_t, 4>{a, b, c, d};
  }

  int shownCount = 0;
};

TEST_F(AboutDialog, FirstStartShowsItBeforeAnythingElseAndTheTickKeepsItAway) {
  AnswerAbout([&](TFormAbout& w) {
    // Still inside the indicator's start-up: its menu is blocked, its timer already runs,
    // and the last start-up step (noting the folder) has not happened yet.
    ASSERT_NE(FormQuonthary, nullptr);
    EXPECT_EQ(FormQuonthary->FormAbout.get(), &w);
    EXPECT_TRUE(FormQuonthary->Dialogs.BlocksCommands());
    EXPECT_TRUE(FormQuonthary->Timer.Enabled());
    EXPECT_EQ(Stored("LastApplicationDir", "\\Software\\Tessmark\\Quonthary"), "<none>");
    EXPECT_FALSE(w.CheckBoxDontShow.Checked());
    EXPECT_FALSE(w.CheckBoxInternational.Checked());
    EXPECT_EQ(w.LabelVer.Caption(), "build 1");
    TickAndOk(w);
  });
  TFormQuonthary& ind = Start();
  EXPECT_EQ(shownCount, 1);
  ExpectNothingShown();
  EXPECT_EQ(ind.FormAbout, nullptr);
  EXPECT_TRUE(ind.Dialogs.Empty());
  EXPECT_EQ(Stored("AboutShowAtStartup"), "1");
  EXPECT_EQ(Stored("AboutInternational"), "0");
  EXPECT_EQ(Stored("PreviousVersion"), "1.0.0.1");
  EXPECT_EQ(Stored("LastApplicationDir", "\\Software\\Tessmark\\Quonthary"), dir.Dir());
  EXPECT_TRUE(ind.Cfg.AboutShowAtStartup);

  Restart();
  EXPECT_EQ(shownCount, 1) << "ticked for this version";
  ExpectNothingShown();
}

TEST_F(AboutDialog, UntickedItComesBackAtEveryStart) {
  AnswerAbout([&](TFormAbout& w) { ui_->Click(w.Button1); });
  Start();
  AnswerAbout([&](TFormAbout& w) { ui_->Click(w.Button1); });
  Restart();
  EXPECT_EQ(shownCount, 2);
  EXPECT_EQ(Stored("AboutShowAtStartup"), "0");
  ExpectNothingShown();
}

TEST_F(AboutDialog, ANewVersionShowsItOnceWithTheBoxUnticked) {
  Plant(true, "AboutShowAtStartup", "1");
  Plant(true, "PreviousVersion", "1.0.0.1");
  SetVersion(1, 1, 0, 7);
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_FALSE(w.CheckBoxDontShow.Checked()) << "reset by the new version";
    EXPECT_EQ(w.LabelVer.Caption(), "build 7");
    TickAndOk(w);
  });
  Start();
  EXPECT_EQ(Stored("PreviousVersion"), "1.1.0.7");
  Restart();
  EXPECT_EQ(shownCount, 1);
  ExpectNothingShown();
}

TEST_F(AboutDialog, EveryWayOfClosingStoresTheThreeValues) {
  const std::function<void(TFormAbout&)> closers[] = {
      [&](TFormAbout& w) { ui_->PressKey(w, ui::VK_Escape); },
      [&](TFormAbout& w) { ui_->PressKey(w, ui::VK_Return); },
      [&](TFormAbout& w) { ui_->CloseByUser(w); },
      // The program ending while the dialog is open.
      [&](TFormAbout&) { FormQuonthary->Dialogs.CancelAll(); },
  };
  aboutSeen = true;
  Start();
  int round = 0;
  for (const auto& close : closers) {
    ++round;
    for (const char* name : {"AboutShowAtStartup", "AboutInternational", "PreviousVersion"})
      Store(name, "stale");
    SetVersion(2, 0, 0, std::uint16_t(round));
    AnswerAbout([&](TFormAbout& w) {
      EXPECT_TRUE(w.CheckBoxDontShow.Checked()) << "the setting in memory";
      ui_->Click(w.CheckBoxInternational);
      close(w);
    });
    Ind().mnuAboutClick(&Ind().mnuAbout);
    EXPECT_EQ(Stored("AboutShowAtStartup"), "1") << round;
    EXPECT_EQ(Stored("AboutInternational"), round % 2 ? "1" : "0") << round;
    EXPECT_EQ(Stored("PreviousVersion"), "2.0.0." + std::to_string(round)) << round;
    EXPECT_EQ(Ind().FormAbout, nullptr);
  }
  EXPECT_EQ(shownCount, 4);
  ExpectNothingShown();
}

TEST_F(AboutDialog, WithoutAVersionResourceTheBoxDecides) {
  fake.VersionInfo.Version = std::nullopt;
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_EQ(w.LabelVer.Caption(), "build N/A");
    TickAndOk(w);
  });
  Start();
  EXPECT_EQ(Stored("PreviousVersion"), "N/A");
  Restart();
  EXPECT_EQ(shownCount, 1) << "N/A equals N/A: the ticked box keeps it away";
  Plant(true, "AboutShowAtStartup", "0");
  AnswerAbout([&](TFormAbout& w) { ui_->Click(w.Button1); });
  Restart();
  EXPECT_EQ(shownCount, 2) << "unticked: shown";
  ExpectNothingShown();
}

TEST_F(AboutDialog, InIniModeTheThreeValuesReachTheFileAtOnce) {
  ChooseIniFile();
  AnswerAbout([&](TFormAbout& w) { TickAndOk(w); });
  Start();
  const auto ini = settings::IniFile::Parse(IniText());
  EXPECT_EQ(ini.Get("Quonthary", "AboutShowAtStartup"), "1");
  EXPECT_EQ(ini.Get("Quonthary", "AboutInternational"), "0");
  EXPECT_EQ(ini.Get("Quonthary", "PreviousVersion"), "1.0.0.1");
  EXPECT_EQ(ini.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "0")
      << "the rest of the file stays";
  EXPECT_EQ(Stored("AboutShowAtStartup"), "<none>") << "nothing in the registry";
  Restart();
  EXPECT_EQ(shownCount, 1);
  ExpectNothingShown();
}

TEST_F(AboutDialog, AnIniFileThatCannotBeWrittenIsReportedAndStartUpGoesOn) {
  ChooseIniFile();
  namespace fs = std::filesystem;
  const fs::path file = dir.Path() / "Quonthary.ini";
  const std::string before = IniText();
  fs::permissions(file, fs::perms::owner_read);
  AnswerAbout([&](TFormAbout& w) { TickAndOk(w); });
  TFormQuonthary& ind = Start();
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_->MessageBoxes()[0].Flags, ui::MB_Ok | ui::MB_IconError);
  EXPECT_TRUE(ind.Visible()) << "the indicator still comes up";
  EXPECT_TRUE(ind.Timer.Enabled());
  EXPECT_EQ(IniText(), before);
}

TEST_F(AboutDialog, TheWindow) {
  aboutSeen = true;
  Start();
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_EQ(w.ClientWidth(), 237);
    EXPECT_EQ(w.ClientHeight(), 233);
    EXPECT_EQ(w.Left(), (1024 - w.Width()) / 2) << "centred";
    EXPECT_EQ(w.Top(), (768 - w.Height()) / 2);
    EXPECT_EQ(w.Constraints().MinWidth, w.Width());
    EXPECT_EQ(w.Constraints().MaxWidth, w.Width());
    EXPECT_EQ(w.Constraints().MinHeight, w.Height());
    EXPECT_EQ(w.Constraints().MaxHeight, w.Height());
    EXPECT_TRUE(w.KeyPreview());
    EXPECT_TRUE(w.Button1.Default());
    EXPECT_TRUE(w.Button1.Cancel());
    EXPECT_EQ(w.Image1.Width(), 237);
    EXPECT_EQ(w.Image1.Height(), 233);
    EXPECT_TRUE(w.Image1.Stretch());
    ASSERT_NE(w.Image1.Picture(), nullptr);
    for (ui::TLabel* small : {&w.Label1, &w.Label2}) {
      EXPECT_EQ(small->Font().Name, "Tahoma");
      EXPECT_EQ(small->Font().Color, ui::clSilver);
      EXPECT_LE(small->Font().Height, 11);
    }
    EXPECT_EQ(w.Label1.Caption(), "Quonthary");
    EXPECT_EQ(w.Label2.Caption(), "FREEWARE");
    EXPECT_EQ(w.LabelVer.Alignment(), ui::TAlignment::RightJustify);
    EXPECT_EQ(w.LabelVer.Right(), 229) << "top right";
    EXPECT_EQ(w.Label3.Caption(), w.Label5.Caption());
    EXPECT_EQ(w.Label4.Caption(), "Tessmark");
    EXPECT_EQ(w.LabelDontShow.Caption(), "Don't show at startup");
    EXPECT_EQ(w.EditPayment.Text(), "Nothing to pay: it is free");
    EXPECT_TRUE(w.EditPayment.ReadOnly());
    for (ui::TLabel* link : {&w.Label8, &w.Label9}) {
      EXPECT_EQ(link->Cursor(), ui::crHandPoint);
      EXPECT_TRUE(link->Font().Underline);
    }
    // Everything inside the client area, nothing over the OK button.
    for (ui::TControl* c : w.Controls()) {
      EXPECT_LE(c->Right(), 237) << c->Name();
      EXPECT_LE(c->Bottom(), 233) << c->Name();
      if (c != &w.Image1 && c != &w.Button1 && c->Visible())
        EXPECT_TRUE(c->Bottom() <= w.Button1.Top() || c->Right() <= w.Button1.Left()) << c->Name();
    }
    ui_->Click(w.Button1);
  });
  Ind().mnuAboutClick(&Ind().mnuAbout);
  EXPECT_EQ(shownCount, 1);
}

TEST_F(AboutDialog, TheInternationalBoxSwapsTheFurtherDetails) {
  aboutSeen = true;
  Start();
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_TRUE(w.LabelInternational.Visible());
    for (ui::TControl* c : {static_cast<ui::TControl*>(&w.LabelPaymentAbroad),
                            static_cast<ui::TControl*>(&w.EditPaymentAbroad1),
                            static_cast<ui::TControl*>(&w.EditPaymentAbroad2)})
      EXPECT_FALSE(c->Visible()) << c->Name();
    ui_->Click(w.CheckBoxInternational);
    EXPECT_FALSE(w.LabelInternational.Visible());
    EXPECT_TRUE(w.LabelPaymentAbroad.Visible());
    EXPECT_TRUE(w.EditPaymentAbroad1.Visible());
    EXPECT_TRUE(w.EditPaymentAbroad2.Visible());
    EXPECT_TRUE(w.EditPaymentAbroad1.ReadOnly());
    EXPECT_EQ(w.EditPaymentAbroad1.Text(), "Free in every country");
    ui_->Click(w.CheckBoxInternational);
    EXPECT_TRUE(w.LabelInternational.Visible());
    EXPECT_FALSE(w.EditPaymentAbroad2.Visible());
    // The text beside a box ticks it too.
    ui_->Click(w.LabelDontShow);
    EXPECT_FALSE(w.CheckBoxDontShow.Checked());
    ui_->Click(w.LabelInternational);
    EXPECT_TRUE(w.CheckBoxInternational.Checked());
    ui_->Click(w.Button1);
  });
  Ind().mnuAboutClick(&Ind().mnuAbout);
  EXPECT_EQ(Stored("AboutInternational"), "1");
  EXPECT_EQ(Stored("AboutShowAtStartup"), "0");
  // Stored ticked: shown ticked next time, with the further details.
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_TRUE(w.CheckBoxInternational.Checked());
    EXPECT_TRUE(w.EditPaymentAbroad1.Visible());
    EXPECT_FALSE(w.LabelInternational.Visible());
    ui_->Click(w.Button1);
  });
  Ind().mnuAboutClick(&Ind().mnuAbout);
  EXPECT_EQ(shownCount, 2);
}

TEST_F(AboutDialog, TheLinksOpenMailAndWebPage) {
  aboutSeen = true;
  Start();
  AnswerAbout([&](TFormAbout& w) {
    ui_->Click(w.Label8);
    ui_->Click(w.Label9);
    ui_->Click(w.Button1);
  });
  Ind().mnuAboutClick(&Ind().mnuAbout);
  ASSERT_EQ(fake.Processes.OpenCalls.size(), 2u);
  EXPECT_EQ(fake.Processes.OpenCalls[0].Target, "mailto:quonthary@example.com");
  EXPECT_EQ(fake.Processes.OpenCalls[1].Target, "http://www.example.com/quonthary/");
  for (const auto& call : fake.Processes.OpenCalls) EXPECT_EQ(call.Show, sys::ShowNormal);
}

TEST_F(AboutDialog, TranslatedShadowAndBuildWord) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "Test.lng", std::ios::binary)
      << "[FormAbout]\r\nLabel5_Cpt=Akku und Netzprofile\r\nLabelVer_Cpt=Version\r\n"
      << "LabelDontShow_Cpt=Nicht beim Start zeigen\r\n";
  Plant(true, "LanguageFile", "Test.lng");
  AnswerAbout([&](TFormAbout& w) {
    EXPECT_EQ(w.Label5.Caption(), "Akku und Netzprofile");
    EXPECT_EQ(w.Label3.Caption(), "Akku und Netzprofile") << "the shadow follows the translation";
    EXPECT_EQ(w.LabelVer.Caption(), "Version 1");
    EXPECT_EQ(w.LabelVer.Right(), 229);
    EXPECT_EQ(w.LabelDontShow.Caption(), "Nicht beim Start zeigen");
    ui_->Click(w.Button1);
  });
  Start();
  EXPECT_EQ(shownCount, 1);
}

TEST(AboutDetails, PaymentTextsAreStoredScrambled) {
  constexpr auto stored = about::Scramble("Free");
  EXPECT_NE(stored.View(), "Free");
  EXPECT_EQ(stored.View().size(), 4u);
  EXPECT_EQ(about::Unscramble(stored.View()), "Free");
  // The rule, byte by byte: XOR with 0xA5 + 31 * i.
  EXPECT_EQ(static_cast<unsigned char>(stored.View()[0]), ('F' ^ 0xA5));
  EXPECT_EQ(static_cast<unsigned char>(stored.View()[1]), ('r' ^ ((0xA5 + 31) & 0xFF)));
  EXPECT_EQ(about::PaymentText(), "Nothing to pay: it is free");
  EXPECT_EQ(about::PaymentAbroadText2(), "No account, no fee");
}

}  // namespace
