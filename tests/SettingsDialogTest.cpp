// The settings dialog through the settings command, driven like a user in the headless
// backend: what it shows for the stored values, its enable rules and live labels, the skin
// preview and colours, the sound panels, OK's checks, and what OK applies and saves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "SettingsFixture.h"
#include "i18n/FormLanguage.h"
#include "settings/FormSettings.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"

namespace {

namespace fs = std::filesystem;
using testing_support::kBase;
using testing_support::kColors;
using testing_support::kRun;

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A BMP file of one colour (24 bits per pixel, bottom-up rows padded to four bytes).
std::string SolidBmp(int w, int h, std::uint32_t rgb) {
  const int row = (w * 3 + 3) / 4 * 4;
  const std::uint32_t size = 54 + row * h;
  std::string b(size, '\0');
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(w));
  put32(22, std::uint32_t(h));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::size_t at = 54 + std::size_t(y) * row + std::size_t(x) * 3;
      b[at] = char(rgb & 0xFF);
      b[at + 1] = char((rgb >> 8) & 0xFF);
      b[at + 2] = char((rgb >> 16) & 0xFF);
    }
  return b;
}

class SettingsDialog : public testing_support::SettingsFixture {
 protected:
  // Opens the dialog through the context menu's command; inside runs during the modal run
  // and ends it (a click on OK or Cancel). Afterwards every answer must have been used.
  void Open(const std::function<void(TFormSettings&)>& inside) {
    bool ran = false;
    ui_->OnModal([&](ui::TForm& form) {
      auto* dialog = dynamic_cast<TFormSettings*>(&form);
      ASSERT_NE(dialog, nullptr) << form.Name();
      ran = true;
      EXPECT_EQ(Ind().FormSettings.get(), dialog);
      EXPECT_TRUE(Ind().Dialogs.BlocksCommands());
      inside(*dialog);
    });
    ui_->ClickMenu(Ind().mnuSettings);
    EXPECT_TRUE(ran);
    EXPECT_EQ(Ind().FormSettings, nullptr);
    EXPECT_TRUE(Ind().Dialogs.Empty());
  }
  void Ok(TFormSettings& d) { ui_->Click(d.ButtonOK); }
  void Cancel(TFormSettings& d) { ui_->Click(d.ButtonCancel); }
  // Opens the dialog and presses OK straight away.
  void OpenAndOk() {
    Open([&](TFormSettings& d) { Ok(d); });
  }
  void ExpectNoSurprises() { EXPECT_TRUE(ui_->Unexpected().empty()) << ui_->Unexpected().front(); }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : ui_->MessageBoxes()) texts.push_back(box.Text);
    return texts;
  }
  void MakeSkin(const std::string& name) { fs::create_directories(dir.Path() / "Skin" / name); }
};

// ---- what the dialog shows ----

TEST_F(SettingsDialog, FirstRunValuesAsTheDialogShowsThem) {
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.Caption(), "Quonthary Settings");
    EXPECT_TRUE(d.ButtonOK.Default());
    EXPECT_TRUE(d.ButtonCancel.Cancel());
    ASSERT_EQ(d.PageControl1.PageCount(), 5);
    const char* const pages[] = {"General", "Window options", "Display options", "Sound",
                                 "Hot-Keys"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(d.PageControl1.Page(i)->Caption(), pages[i]);
    EXPECT_EQ(d.PageControl1.ActivePage(), &d.TabSheet1);
    // Pinned to its own size, in the middle of the screen.
    EXPECT_EQ(d.Constraints().MinWidth, d.Width());
    EXPECT_EQ(d.Constraints().MaxHeight, d.Height());
    EXPECT_EQ(d.Left(), (1024 - d.Width()) / 2);

    EXPECT_TRUE(d.cbxKeepInRegistry.Checked());
    EXPECT_TRUE(d.cbxRunAtStartup.Checked());
    EXPECT_TRUE(d.cbxLogWorkTime.Checked());
    EXPECT_TRUE(d.cbxStayOnTop.Checked());
    EXPECT_TRUE(d.rbtnShowInTaskBar.Checked());
    EXPECT_FALSE(d.rbtnShowInWindow.Checked());
    EXPECT_TRUE(d.rbtnPercentage.Checked());
    EXPECT_TRUE(d.rbtnDefault.Checked());
    EXPECT_FALSE(d.cbxHideWhenFull.Checked());
    EXPECT_EQ(d.tbarWindowHeight.Position(), 5);
    EXPECT_EQ(d.tbarTransparency.Position(), 0);
    EXPECT_EQ(d.tbarDistance.Position(), 20);
    EXPECT_EQ(d.LabelDistVal.Caption(), "20");
    EXPECT_EQ(d.edtUserH.Text(), "0");
    EXPECT_EQ(d.edtUserM.Text(), "0");
    EXPECT_EQ(d.edtUserS.Text(), "0");
    EXPECT_TRUE(d.Sounds[0].rbtnBeeper.Checked());
    EXPECT_TRUE(d.Sounds[1].rbtnBeeper.Checked());
    EXPECT_TRUE(d.Sounds[2].rbtnDisabled.Checked());
    EXPECT_TRUE(d.Sounds[3].rbtnSoundFile.Checked());
    EXPECT_EQ(d.Sounds[0].edtSound.Text(), "Sound\\BatterySource.wav");
    EXPECT_EQ(d.Sounds[3].edtSound.Text(), "Sound\\NoConnection.wav");
    EXPECT_EQ(d.EditCheckConnectionIP.Text(), settings::kDefaultConnectionIP);
    EXPECT_EQ(d.Label3.Font().Color, 16777215);
    EXPECT_EQ(d.Label5.Font().Color, 65535);
    EXPECT_EQ(d.ComboBoxLanguage.Items(), std::vector<std::string>{"[default-english]"});
    EXPECT_EQ(d.ComboBoxLanguage.ItemIndex(), 0);
    // Nothing has been touched: no restart notice, no reminder.
    EXPECT_FALSE(d.LabelRestartRequired.Visible());
    EXPECT_FALSE(d.LabelRestartReq2.Visible());
    EXPECT_FALSE(d.LabelHide.Visible());
    Cancel(d);
  });
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, SizeAndTransparencyBarsWithTheirLabels) {
  Plant(true, "BatteryHeight", "5");
  Plant(true, "Alpha", "255");
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.tbarWindowHeight.Position(), 5);
    EXPECT_EQ(d.lblBattHeight.Caption(), "3");
    EXPECT_EQ(d.tbarTransparency.Position(), 0);
    EXPECT_EQ(d.lblTransparency.Caption(), "0%");
    // The live labels follow the bars; the indicator does not, until OK.
    ui_->SetTrackBar(d.tbarTransparency, 204);
    EXPECT_EQ(d.lblTransparency.Caption(), "80%");
    ui_->SetTrackBar(d.tbarTransparency, 1);
    EXPECT_EQ(d.lblTransparency.Caption(), "0%");
    ui_->SetTrackBar(d.tbarTransparency, 204);
    ui_->SetTrackBar(d.tbarWindowHeight, 20);
    EXPECT_EQ(d.lblBattHeight.Caption(), "18");
    ui_->SetTrackBar(d.tbarWindowHeight, 3);
    EXPECT_EQ(d.lblBattHeight.Caption(), "1");
    ui_->SelectPage(d.PageControl1, 1);
    ui_->SetTrackBar(d.tbarDistance, 137);
    EXPECT_EQ(d.LabelDistVal.Caption(), "137");
    EXPECT_EQ(Ind().LayeredAlpha(), 255);
    EXPECT_EQ(Ind().Cfg.PositionFromTray, 20);
    Ok(d);
  });
  EXPECT_EQ(Stored("Alpha"), "51");
  EXPECT_EQ(Ind().Cfg.Alpha, 51);
  EXPECT_EQ(Ind().LayeredAlpha(), 51);
  EXPECT_EQ(Stored("BatteryHeight"), "3");
  EXPECT_EQ(Ind().Cfg.BatteryScale, 0.35f);
  EXPECT_EQ(Stored("PositionFromTray"), "137");
}

TEST_F(SettingsDialog, TimeBoxesSplitTheStoredSeconds) {
  Plant(true, "Percentage", "0");
  Plant(true, "UseLifeTimeDefault", "0");
  Plant(true, "UserDefBattFullTime", "12345");  // 3:25:45
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.UserDefBattFullTime, 12345);
    EXPECT_EQ(d.edtUserH.Text(), "3");
    EXPECT_EQ(d.edtUserM.Text(), "25");
    EXPECT_EQ(d.edtUserS.Text(), "45");
    EXPECT_TRUE(d.rbtnTime.Checked());
    EXPECT_TRUE(d.rbtnUserDefined.Checked());
    EXPECT_EQ(d.edtUserH.MaxLength(), 2);
    // Minutes beyond 59 are taken as they are.
    d.edtUserM.SetText("");
    ui_->Type(d.edtUserM, "99");
    Ok(d);
  });
  EXPECT_EQ(Stored("UserDefBattFullTime"), std::to_string(3 * 3600 + 99 * 60 + 45));
  ExpectNoSurprises();
}

// ---- enable rules and live labels ----

TEST_F(SettingsDialog, DisplayModeEnablesItsOwnOptionsAndAsksForARestart) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->SelectPage(d.PageControl1, 1);
    auto taskbarSide = [&] {
      return d.cbxAutoHeight.Enabled() && d.tbarDistance.Enabled() && d.LabelDistance.Enabled();
    };
    auto windowSide = [&] {
      return d.cbxStayOnTop.Enabled() && d.tbarTransparency.Enabled() && d.Label1.Enabled() &&
             d.lblTransparency.Enabled();
    };
    EXPECT_TRUE(taskbarSide());
    EXPECT_FALSE(d.cbxStayOnTop.Enabled());
    EXPECT_FALSE(d.tbarTransparency.Enabled());
    EXPECT_FALSE(d.Label1.Enabled());
    EXPECT_FALSE(d.lblTransparency.Enabled());
    ui_->Click(d.rbtnShowInWindow);
    EXPECT_TRUE(windowSide());
    EXPECT_FALSE(d.cbxAutoHeight.Enabled());
    EXPECT_FALSE(d.tbarDistance.Enabled());
    EXPECT_FALSE(d.LabelDistance.Enabled());
    EXPECT_TRUE(d.LabelRestartRequired.Visible());
    EXPECT_EQ(d.LabelRestartRequired.Caption(), "Restart of application required !");

    ui_->Click(d.cbxHideWhenFull);
    EXPECT_TRUE(d.LabelHide.Visible());
    EXPECT_EQ(d.LabelHide.Caption(), "Remember! Press WIN+F12 to show battery window");
    ui_->Click(d.cbxHideWhenFull);
    EXPECT_FALSE(d.LabelHide.Visible());
    Cancel(d);
  });
}

TEST_F(SettingsDialog, TimeModeAndUserTimeEnableTheirBoxes) {
  Start();
  Open([&](TFormSettings& d) {
    ui::TControl* const own[] = {&d.Label7,   &d.Label8,   &d.Label9,
                                 &d.edtUserH, &d.edtUserM, &d.edtUserS};
    auto ownEnabled = [&](bool on) {
      for (ui::TControl* c : own)
        if (c->Enabled() != on) return false;
      return true;
    };
    EXPECT_FALSE(d.rbtnDefault.Enabled());
    EXPECT_FALSE(d.rbtnUserDefined.Enabled());
    EXPECT_TRUE(ownEnabled(false));
    ui_->Click(d.rbtnTime);
    EXPECT_TRUE(d.rbtnDefault.Enabled());
    EXPECT_TRUE(ownEnabled(false));
    ui_->Click(d.rbtnUserDefined);
    EXPECT_TRUE(ownEnabled(true));
    ui_->Click(d.rbtnPercentage);
    EXPECT_FALSE(d.rbtnUserDefined.Enabled());
    EXPECT_TRUE(ownEnabled(false));

    EXPECT_FALSE(d.EditCheckConnectionIP.Enabled());
    ui_->Click(d.CheckBoxCheckConnection);
    EXPECT_TRUE(d.EditCheckConnectionIP.Enabled());

    EXPECT_FALSE(d.ComboBoxGraphics.Enabled());
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_TRUE(d.ComboBoxGraphics.Enabled());
    EXPECT_TRUE(d.LabelRestartReq2.Visible());
    Cancel(d);
  });
}

// ---- OK's checks ----

TEST_F(SettingsDialog, AnInvalidTimeBoxIsFocusedAndKeepsTheDialogOpen) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->Click(d.rbtnTime);
    ui_->Click(d.rbtnUserDefined);
    d.edtUserH.SetText("1");
    d.edtUserM.SetText("30");
    d.edtUserS.SetText("");
    ui_->SelectPage(d.PageControl1, 4);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
    EXPECT_EQ(d.ModalResult(), ui::mrNone);
    EXPECT_EQ(d.PageControl1.ActivePage(), &d.TabSheetDisplay);
    EXPECT_EQ(d.ActiveControl(), &d.edtUserS);
    ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui_->MessageBoxes()[0].Text, "Incorrect value!");
    EXPECT_EQ(ui_->MessageBoxes()[0].Caption, "Quonthary");
    EXPECT_EQ(ui_->MessageBoxes()[0].Flags, ui::MB_IconExclamation | ui::MB_Ok);

    // The first bad box is the one named: a negative hour comes before the empty seconds.
    d.edtUserH.SetText("-1");
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
    EXPECT_EQ(d.ActiveControl(), &d.edtUserH);
    d.edtUserH.SetText("x");
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
    EXPECT_EQ(d.ActiveControl(), &d.edtUserH);
    EXPECT_EQ(d.ModalResult(), ui::mrNone);

    d.edtUserH.SetText("1");
    ui_->Type(d.edtUserS, "5");
    Ok(d);
  });
  EXPECT_EQ(Stored("UserDefBattFullTime"), "5405");
  EXPECT_EQ(Stored("Percentage"), "0");
  EXPECT_EQ(Stored("UseLifeTimeDefault"), "0");
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, TimeBoxesAreNotCheckedOutsideTheUserTime) {
  Plant(true, "UserDefBattFullTime", "77");
  Start();
  Open([&](TFormSettings& d) {
    d.edtUserS.SetText("");  // in percentage mode this box is off and means nothing
    Ok(d);
  });
  EXPECT_EQ(Stored("UserDefBattFullTime"), "77");
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

TEST_F(SettingsDialog, AShortCheckAddressShowsThePolishNoticeInWideCharacters) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->Click(d.CheckBoxCheckConnection);
    d.EditCheckConnectionIP.SetText("10.0.1");
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
    EXPECT_EQ(d.ModalResult(), ui::mrNone);
    EXPECT_EQ(d.PageControl1.ActivePage(), &d.TabSheetDisplay);
    EXPECT_EQ(d.ActiveControl(), &d.EditCheckConnectionIP);
    ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
    const auto& box = ui_->MessageBoxes()[0];
    EXPECT_TRUE(box.Wide);
    EXPECT_EQ(box.Text, "Uzupełnij adres IP, z którym ma być sprawdzone połączenie");
    EXPECT_EQ(box.Caption, "Quonthary");
    EXPECT_EQ(box.Flags, ui::MB_IconInformation | ui::MB_Ok);
    // The shortest whole address, as the built-in one is, passes.
    d.EditCheckConnectionIP.SetText("1.1.1.1");
    Ok(d);
  });
  EXPECT_EQ(Stored("ConnectionIP"), "1.1.1.1");
  EXPECT_EQ(Stored("ConnectionCheck"), "1");
  EXPECT_TRUE(Ind().TimerIcmp.Enabled());
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, AShortAddressWithTheCheckOffIsKept) {
  Start();
  Open([&](TFormSettings& d) {
    d.EditCheckConnectionIP.SetText("x");
    Ok(d);
  });
  EXPECT_EQ(Stored("ConnectionIP"), "x");
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

// ---- language list ----

TEST_F(SettingsDialog, LanguageListAndTheStoredFile) {
  Write(dir.Path() / "language" / "Deutsch.lng", "[FormSettings]\r\nTabSheet1_Cpt=Allgemein\r\n");
  Write(dir.Path() / "language" / "Polski.LNG", "");
  Write(dir.Path() / "language" / "notes.txt", "");
  Plant(true, "LanguageFile", "deutsch.LNG");
  Start();
  Open([&](TFormSettings& d) {
    auto items = d.ComboBoxLanguage.Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], "[default-english]");
    std::sort(items.begin() + 1, items.end());
    EXPECT_EQ(items[1], "Deutsch.lng");
    EXPECT_EQ(items[2], "Polski.LNG");
    // Chosen regardless of letter case; the dialog is already in that language.
    EXPECT_EQ(d.ComboBoxLanguage.Text(), "Deutsch.lng");
    EXPECT_EQ(d.LabelCurLanguage.Caption(), "deutsch.LNG");
    Ok(d);
  });
  // The name as the folder lists it.
  EXPECT_EQ(Stored("LanguageFile"), "Deutsch.lng");
  EXPECT_EQ(Ind().FormLanguage->LanguageFile(), "Deutsch.lng");

  Open([&](TFormSettings& d) {
    // The dialog is now in that language.
    EXPECT_EQ(d.TabSheet1.Caption(), "Allgemein");
    ui_->Select(d.ComboBoxLanguage, 0);
    Ok(d);
  });
  EXPECT_EQ(Stored("LanguageFile"), "");
  EXPECT_EQ(Ind().FormLanguage->LanguageFile(), "");
}

TEST_F(SettingsDialog, AStoredLanguageFileThatIsGoneSelectsTheFirstEntry) {
  Plant(true, "LanguageFile", "Klingon.lng");
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.ComboBoxLanguage.ItemIndex(), 0);
    EXPECT_EQ(d.ComboBoxLanguage.Text(), "[default-english]");
    Ok(d);
  });
  EXPECT_EQ(Stored("LanguageFile"), "");
}

TEST_F(SettingsDialog, ChoosingALanguageTranslatesTheIndicatorAndTheMessages) {
  Write(dir.Path() / "language" / "Deutsch.lng",
        "[FormQuonthary]\r\nmnuSettings_Cpt=Einstellungen\r\n"
        "[FormLanguage]\r\nLabelNeedsRestart_Cpt=Neu starten!\r\n");
  Start();
  Open([&](TFormSettings& d) {
    ui_->Select(d.ComboBoxLanguage, 1);
    ui_->SelectPage(d.PageControl1, 1);
    ui_->Click(d.rbtnShowInWindow);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  EXPECT_EQ(Ind().mnuSettings.Caption(), "Einstellungen");
  // Translated before the notice is shown.
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Neu starten!"});
}

TEST(SettingsLanguageList, AttributeFilter) {
  for (std::uint32_t ordinary : {0x20u, 0x21u, 0x22u, 0x24u, 0x80u, 0x10u, 0x2020u, 0x820u})
    EXPECT_TRUE(ListedLanguageEntry(ordinary)) << ordinary;
  // Temporary, sparse, reparse point, offline.
  for (std::uint32_t special : {0x120u, 0x220u, 0x420u, 0x1020u})
    EXPECT_FALSE(ListedLanguageEntry(special)) << special;
}

// ---- restart notice ----

TEST_F(SettingsDialog, RestartNoticeForAModeChangeButNotAfterSwitchingBack) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->SelectPage(d.PageControl1, 1);
    ui_->Click(d.rbtnShowInWindow);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Application needs restart!"});
  EXPECT_EQ(ui_->MessageBoxes()[0].Flags, ui::MB_IconExclamation | ui::MB_Ok);
  EXPECT_EQ(Stored("ShowInTaskBar"), "0");
  // This run stays in the taskbar.
  EXPECT_TRUE(Ind().TaskbarMode());

  ui_->ClearMessageBoxes();
  Open([&](TFormSettings& d) {
    EXPECT_TRUE(d.rbtnShowInWindow.Checked());
    ui_->Click(d.rbtnShowInTaskBar);
    Ok(d);
  });
  EXPECT_TRUE(ui_->MessageBoxes().empty());
  EXPECT_EQ(Stored("ShowInTaskBar"), "1");
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, RestartNoticeForTheSkinSwitchAndTheSkin) {
  MakeSkin("Blue");
  MakeSkin("Red");
  Start();
  Open([&](TFormSettings& d) {
    ui_->Click(d.CheckBoxExtImages);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Application needs restart!"});
  EXPECT_EQ(Stored("UseExtarnalImages"), "1");
  ui_->ClearMessageBoxes();

  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.ComboBoxGraphics.ItemIndex(), -1);
    const int red = d.ComboBoxGraphics.IndexOfItem("Red");
    ASSERT_GE(red, 0);
    ui_->Select(d.ComboBoxGraphics, red);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Application needs restart!"});
  EXPECT_EQ(Stored("ExtarnalImagesDirectory"), "Red");
  ui_->ClearMessageBoxes();

  // Unchanged: no notice.
  OpenAndOk();
  EXPECT_TRUE(ui_->MessageBoxes().empty());
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, ASkinFolderThatIsGoneLeavesNoSelection) {
  MakeSkin("Blue");
  Plant(true, "UseExtarnalImages", "1");
  Plant(true, "ExtarnalImagesDirectory", "Vanished");
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.ComboBoxGraphics.Items(), std::vector<std::string>{"Blue"});
    EXPECT_EQ(d.ComboBoxGraphics.ItemIndex(), -1);
    EXPECT_EQ(d.ComboBoxGraphics.Text(), "");
    EXPECT_EQ(d.LabelGraphics.Caption(), "Vanished");
    EXPECT_FALSE(d.LabelGraphics.Visible());
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  EXPECT_EQ(Stored("ExtarnalImagesDirectory"), "");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Application needs restart!"});
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, ASkinNameInOtherLettersSelectsTheFolderAsListed) {
  MakeSkin("Blue");
  Plant(true, "UseExtarnalImages", "1");
  Plant(true, "ExtarnalImagesDirectory", "BLUE");
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.ComboBoxGraphics.Text(), "Blue");
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  EXPECT_EQ(Stored("ExtarnalImagesDirectory"), "Blue");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Application needs restart!"});
}

// ---- skin preview and colours ----

TEST_F(SettingsDialog, SkinPreviewReplacesOnlyWhatTheFolderHolds) {
  const fs::path blue = dir.Path() / "Skin" / "Blue";
  Write(blue / "battery.bmp", SolidBmp(53, 27, 0x0000FF));
  Write(blue / "volume.bmp", SolidBmp(42, 9, 0x00FF00));
  Write(blue / "charged.bmp", "not a picture");
  Write(blue / "colors.ini",
        "[other]\r\nWhenCharging=1\r\n[label_colors]\r\nWhenDischarging=255\r\n"
        "WhenMonitorOffInfo=$FF00\r\n");
  Start();
  Open([&](TFormSettings& d) {
    const ui::PictureRef builtinGreen = d.ImagePrGreen.Picture();
    const ui::PictureRef builtinPlug = d.ImageACPlug.Picture();
    ASSERT_NE(builtinGreen, nullptr);
    // The pictures preview without the skin switch too.
    ui_->Select(d.ComboBoxGraphics, 0);
    EXPECT_TRUE(d.LabelRestartReq2.Visible());
    for (ui::TImage* image : {&d.ImageBatt, &d.Image3, &d.Image6, &d.Image11, &d.Image15}) {
      ASSERT_NE(image->Picture(), nullptr);
      EXPECT_EQ(image->Picture()->Pixel(1, 1), 0x0000FFu) << image->Name();
    }
    for (ui::TImage* image : {&d.ImageVolume, &d.Image14})
      EXPECT_EQ(image->Picture()->Pixel(1, 1), 0x00FF00u) << image->Name();
    EXPECT_EQ(d.ImagePrGreen.Picture(), builtinGreen);  // unreadable: kept
    EXPECT_EQ(d.ImageACPlug.Picture(), builtinPlug);    // missing: kept
    EXPECT_EQ(d.Label4.Font().Color, 16777215);         // the colours only with it
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_EQ(d.Label3.Font().Color, 16777215);  // not in the section: kept
    EXPECT_EQ(d.Label4.Font().Color, 255);
    EXPECT_EQ(d.Label5.Font().Color, 65535);
    EXPECT_EQ(d.Label10.Font().Color, 0xFF00);
    ui_->AnswerMessageBox(ui::ID_Ok);  // the restart notice
    Ok(d);
  });
  // The previewed colours are what OK stores.
  EXPECT_EQ(Stored("WhenDischarging", kColors), "255");
  EXPECT_EQ(Stored("WhenChatging", kColors), std::to_string(0xFF00));
  EXPECT_EQ(Stored("WhenCharging", kColors), "16777215");
}

TEST_F(SettingsDialog, ColourButtonsDefaultAndAssigningColoursToTheSkin) {
  const fs::path blue = dir.Path() / "Skin" / "Blue";
  Write(blue / "colors.ini",
        "[about]\r\nAuthor=me\r\n\r\n[label_colors]\r\nWhenCharging=5\r\n"
        "Extra=keep\r\n");
  Start();
  Open([&](TFormSettings& d) {
    ui_->Click(d.CheckBoxExtImages);
    ui_->Select(d.ComboBoxGraphics, 0);
    EXPECT_EQ(d.Label3.Font().Color, 5);
    EXPECT_EQ(d.ColorDialog.FullOpen, true);
    EXPECT_EQ(d.ColorDialog.AnyColor, true);
    ui_->AnswerColorDialog(0x123456);
    ui_->Click(d.ButtonColDischrge);
    EXPECT_EQ(d.Label4.Font().Color, 0x123456);
    EXPECT_EQ(d.ColorDialog.Color, 0x123456);
    ui_->AnswerColorDialog(std::nullopt);  // cancelled: unchanged
    ui_->Click(d.ButtonColVolume);
    EXPECT_EQ(d.Label5.Font().Color, 65535);
    // Preset to the label's colour.
    ui_->AnswerColorDialog(0x0000AA);
    ui_->Click(d.ButtonColMonitor);
    EXPECT_EQ(d.ColorDialog.Color, 0x0000AA);
    ui_->AnswerColorDialog(std::nullopt);
    ui_->Click(d.ButtonColCharge);
    EXPECT_EQ(d.ColorDialog.Color, 5);

    ui_->Click(d.ButtonSaveWith);
    const std::string written = sys::files::ReadAll((blue / "colors.ini").string()).value();
    EXPECT_EQ(written,
              "[about]\r\nAuthor=me\r\n\r\n[label_colors]\r\nWhenCharging=5\r\nExtra=keep\r\n"
              "WhenDischarging=1193046\r\nWhenVolumeChanging=65535\r\nWhenMonitorOffInfo=170\r\n"
              "\r\n");
    // Only the skin's file: the settings are the same until OK.
    EXPECT_EQ(Ind().Cfg.WhenDischarging, 16777215);

    ui_->Click(d.ButtonDefault);
    EXPECT_EQ(d.Label3.Font().Color, 16777215);
    EXPECT_EQ(d.Label4.Font().Color, 16777215);
    EXPECT_EQ(d.Label5.Font().Color, 65535);
    EXPECT_EQ(d.Label10.Font().Color, 16777215);
    Cancel(d);
  });
  EXPECT_EQ(Ind().Cfg.WhenCharging, 16777215);
  ExpectNoSurprises();
}

// A user who set their own colours and uses no skin keeps them, whatever skin is listed.
TEST_F(SettingsDialog, WithoutSkinsTheStoredColoursShowAndOkKeepsThem) {
  Write(dir.Path() / "Skin" / "Blue" / "colors.ini",
        "[label_colors]\r\nWhenCharging=5\r\nWhenDischarging=6\r\n");
  Plant(true, "WhenCharging", std::to_string(0x123456), kColors);
  Plant(true, "ExtarnalImagesDirectory", "Blue");
  Start();
  Open([&](TFormSettings& d) {
    EXPECT_EQ(d.ComboBoxGraphics.Text(), "Blue");
    EXPECT_EQ(d.Label3.Font().Color, 0x123456);
    // Ticked, the skin's colours show; unticked again, the stored ones.
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_EQ(d.Label3.Font().Color, 5);
    EXPECT_EQ(d.Label4.Font().Color, 6);
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_EQ(d.Label3.Font().Color, 0x123456);
    // A colour set without a skin is the user's own: it stays over a tick and back.
    ui_->AnswerColorDialog(0x0000AA);
    ui_->Click(d.ButtonColDischrge);
    ui_->Click(d.CheckBoxExtImages);
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_EQ(d.Label4.Font().Color, 0xAA);
    Ok(d);
  });
  EXPECT_EQ(Stored("WhenCharging", kColors), std::to_string(0x123456));
  EXPECT_EQ(Stored("WhenDischarging", kColors), "170");
  Open([&](TFormSettings& d) {
    ui_->Click(d.ButtonDefault);
    ui_->Click(d.CheckBoxExtImages);
    ui_->Click(d.CheckBoxExtImages);
    EXPECT_EQ(d.Label3.Font().Color, 16777215);
    Cancel(d);
  });
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, AssigningColoursWithoutASkinFolderShowsTheErrorAndStaysOpen) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->AnswerMessageBox(ui::ID_Ok);
    ui_->Click(d.ButtonSaveWith);
    ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
    const auto& box = ui_->MessageBoxes()[0];
    EXPECT_NE(box.Text.find("Cannot create file"), std::string::npos) << box.Text;
    // No skin chosen: the file of the "Skin" folder itself.
    EXPECT_NE(box.Text.find(dir.Dir() + "Skin\\colors.ini\""), std::string::npos) << box.Text;
    EXPECT_EQ(box.Flags & 0xF0, ui::MB_IconError);
    EXPECT_EQ(d.ModalResult(), ui::mrNone);
    // Which can be made once the folder exists.
    fs::create_directories(dir.Path() / "Skin");
    ui_->Click(d.ButtonSaveWith);
    EXPECT_TRUE(fs::exists(dir.Path() / "Skin" / "colors.ini"));
    Cancel(d);
  });
  ExpectNoSurprises();
}

// ---- sound panels ----

TEST_F(SettingsDialog, SoundPanelsOptionCodesAndTheirFiles) {
  Plant(true, "SoundOption1", "0");
  Plant(true, "SoundOption2", "1");
  Plant(true, "SoundOption3", "2");
  Plant(true, "SoundOption4", "7");  // none of the three
  Plant(true, "SoundPlugOutSound", "C:\\Sounds\\out.wav");
  Start();
  Open([&](TFormSettings& d) {
    TSoundPanel& out = d.Sounds[0];
    EXPECT_TRUE(out.rbtnDisabled.Checked());
    EXPECT_TRUE(d.Sounds[1].rbtnSoundFile.Checked());
    EXPECT_TRUE(d.Sounds[2].rbtnBeeper.Checked());
    EXPECT_FALSE(d.Sounds[3].rbtnBeeper.Checked() || d.Sounds[3].rbtnSoundFile.Checked() ||
                 d.Sounds[3].rbtnDisabled.Checked());
    // Disabled, but the text stays.
    EXPECT_FALSE(out.edtSound.Enabled());
    EXPECT_FALSE(out.sbtnOpen.Enabled());
    EXPECT_EQ(out.edtSound.Text(), "C:\\Sounds\\out.wav");
    EXPECT_TRUE(d.Sounds[1].edtSound.Enabled());
    EXPECT_TRUE(d.Sounds[1].sbtnOpen.Enabled());
    EXPECT_FALSE(d.Sounds[2].edtSound.Enabled());
    for (const TSoundPanel& p : d.Sounds) {
      EXPECT_EQ(p.rbtnBeeper.Caption(), "Use build-in beep");
      EXPECT_EQ(p.rbtnSoundFile.Caption(), "Use sound file");
      EXPECT_EQ(p.rbtnDisabled.Caption(), "Disable");
    }
    EXPECT_EQ(d.Sounds[3].LabelSound->Caption(), "No echo connetion with IP:");

    // The sound-file choice with the open dialog.
    ui_->Click(d.Sounds[2].rbtnSoundFile);
    EXPECT_TRUE(d.Sounds[2].edtSound.Enabled());
    ui_->AnswerOpenDialog(std::string("D:\\Media\\ding.wav"));
    ui_->Click(d.Sounds[2].sbtnOpen);
    EXPECT_EQ(d.OpenDialog.Title, "Open sound file");
    EXPECT_EQ(d.OpenDialog.DefaultExt, "WAV");
    EXPECT_EQ(d.OpenDialog.Filter, "WAV File (*.wav)|*.wav|All files (*.*)|*.*");
    EXPECT_EQ(d.Sounds[2].edtSound.Text(), "D:\\Media\\ding.wav");
    // Cancelled: the box keeps its file.
    ui_->AnswerOpenDialog(std::nullopt);
    ui_->Click(d.Sounds[2].sbtnOpen);
    EXPECT_EQ(d.Sounds[2].edtSound.Text(), "D:\\Media\\ding.wav");
    // A panel's buttons form their own group.
    ui_->Click(d.Sounds[1].rbtnBeeper);
    EXPECT_TRUE(d.Sounds[0].rbtnDisabled.Checked());
    d.Sounds[1].edtSound.SetText("");
    Ok(d);
  });
  EXPECT_EQ(Stored("SoundOption1"), "0");
  EXPECT_EQ(Stored("SoundOption2"), "2");
  EXPECT_EQ(Stored("SoundOption3"), "1");
  EXPECT_EQ(Stored("SoundOption4"), "7");
  EXPECT_EQ(Stored("SoundPlugOutSound"), "C:\\Sounds\\out.wav");
  EXPECT_EQ(Stored("SoundPlugInSound"), "");  // loads as the default file next time
  EXPECT_EQ(Stored("SoundVolume"), "D:\\Media\\ding.wav");
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, ChargeAlertsAndTheirThresholds) {
  Plant(true, "AlertUnplug", "1");
  Start();
  Open([&](TFormSettings& d) {
    TSoundPanel &low = d.Sounds[4], &unplug = d.Sounds[5];
    EXPECT_FALSE(low.cbxAlert->Checked());
    EXPECT_FALSE(low.edtAlert->Enabled());
    EXPECT_EQ(low.edtAlert->Text(), "10");
    EXPECT_TRUE(unplug.edtAlert->Enabled());
    EXPECT_EQ(unplug.edtAlert->Text(), "80");
    // The threshold box and "%" follow the switch's text; the file box takes the row's rest.
    EXPECT_EQ(low.edtAlert->Left(), low.cbxAlert->Right() + 2);
    EXPECT_LT(low.edtAlert->Right(), low.LabelPercent->Left());
    EXPECT_EQ(low.edtSound.Right() + 4, low.sbtnOpen.Left());
    EXPECT_GT(low.edtSound.Left(), low.rbtnDisabled.Right());
    ui_->Click(*low.cbxAlert);
    EXPECT_TRUE(low.edtAlert->Enabled());
    // A threshold outside 1-99 of an alert that is on keeps the dialog open.
    for (const char* bad : {"0", "", "x"}) {
      low.edtAlert->SetText(bad);
      ui_->SelectPage(d.PageControl1, 0);
      ui_->AnswerMessageBox(ui::ID_Ok);
      Ok(d);
      EXPECT_EQ(d.ModalResult(), ui::mrNone) << bad;
      EXPECT_EQ(d.PageControl1.ActivePage(), &d.TabSheet5);
      EXPECT_EQ(d.ActiveControl(), low.edtAlert);
    }
    EXPECT_EQ(ui_->MessageBoxes().back().Text, "Incorrect value!");
    low.edtAlert->SetText("15");
    ui_->Click(*unplug.cbxAlert);
    unplug.edtAlert->SetText("100");  // off: not checked, and the stored value stays
    ui_->Click(unplug.rbtnSoundFile);
    Ok(d);
  });
  EXPECT_EQ(Stored("AlertLowCharge") + Stored("AlertLowChargeAt"), "115");
  EXPECT_EQ(Stored("AlertUnplug") + Stored("AlertUnplugAt"), "080");
  EXPECT_EQ(Stored("SoundOption6"), "1");
  ExpectNoSurprises();
}

TEST_F(SettingsDialog, TheOpenDialogStartsWhereTheCurrentFileLies) {
  Start();
  Open([&](TFormSettings& d) {
    ui_->AnswerOpenDialog(std::nullopt);
    ui_->Click(d.Sounds[3].sbtnOpen);
    EXPECT_EQ(d.OpenDialog.InitialDir, dir.Dir() + "Sound\\");
    Cancel(d);
  });
}

// ---- OK applies and saves; Cancel changes nothing ----

TEST_F(SettingsDialog, OkWithoutChangesSavesTheWholeSetIntoTheRegistry) {
  Start();
  ASSERT_FALSE(Saved(true, "Alpha"));
  OpenAndOk();
  for (const settings::Setting& row : settings::SettingsTable()) {
    if (row.Enc == settings::Encoding::ProfileData || row.Enc == settings::Encoding::WindowLeft ||
        row.Enc == settings::Encoding::WindowTop || row.Enc == settings::Encoding::AppliedMarks)
      continue;
    EXPECT_TRUE(Saved(true, row.Name, row.KeyPath)) << row.Name;
  }
  EXPECT_TRUE(Saved(true, "Checked20", "\\Software\\Quonthary\\IPChanger_Connections"));
  EXPECT_TRUE(Saved(true, "ProfileName", "\\Software\\Quonthary\\MacChanger20"));
  // A user who keeps the registry gets no INI file.
  EXPECT_FALSE(fs::exists(IniPath()));
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

TEST_F(SettingsDialog, RegistryToIniFileAndBack) {
  Plant(true, "Alpha", "200");
  Start();
  Open([&](TFormSettings& d) {
    ui_->Click(d.cbxKeepInRegistry);
    d.EditCheckConnectionIP.SetText("10.1.1.1");
    Ok(d);
  });
  EXPECT_FALSE(Ind().UseRegistry);
  const settings::IniFile ini = settings::IniFile::Parse(IniText());
  const auto sections = ini.SectionNames();
  ASSERT_GE(sections.size(), 4u);
  EXPECT_EQ(sections[0], "Quonthary_SETTINGS");
  EXPECT_EQ(sections[1], "Quonthary");
  EXPECT_EQ(sections[2], "Colors");
  EXPECT_EQ(ini.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "0");
  EXPECT_EQ(ini.Get("Quonthary", "Alpha"), "200");
  EXPECT_EQ(ini.Get("Quonthary", "ConnectionIP"), "10.1.1.1");
  EXPECT_EQ(ini.Get("Quonthary", "AutoHeightOnTaskBar"), "0");
  EXPECT_EQ(ini.Get("MacChanger20", "ProfileName"), "");
  EXPECT_EQ(ini.Get("IPChanger_Connections", "Checked20"), "0");
  // The registry keeps what it had, and got nothing new.
  EXPECT_EQ(Saved(true, "Alpha"), "200");
  EXPECT_FALSE(Saved(true, "ConnectionIP"));

  // The next start reads the INI file.
  Restart();
  EXPECT_FALSE(Ind().UseRegistry);
  EXPECT_EQ(Ind().Cfg.ConnectionIP, "10.1.1.1");
  Open([&](TFormSettings& d) {
    EXPECT_FALSE(d.cbxKeepInRegistry.Checked());
    ui_->Click(d.cbxKeepInRegistry);
    d.EditCheckConnectionIP.SetText("10.2.2.2");
    Ok(d);
  });
  EXPECT_TRUE(Ind().UseRegistry);
  const settings::IniFile after = settings::IniFile::Parse(IniText());
  EXPECT_EQ(after.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "1");
  EXPECT_EQ(after.Get("Quonthary", "ConnectionIP"), "10.1.1.1");  // left as it was
  EXPECT_EQ(Saved(true, "ConnectionIP"), "10.2.2.2");
  EXPECT_EQ(Saved(true, "Checked20", "\\Software\\Quonthary\\IPChanger_Connections"), "0");
  EXPECT_TRUE(Saved(true, "ProfileName", "\\Software\\Quonthary\\IPChanger0"));
  EXPECT_EQ(Restart().UseRegistry, true);
}

TEST_F(SettingsDialog, OkOnAnIniInstallationRewritesTheSwitchAndTheSet) {
  ChooseIniFile();
  Start();
  ASSERT_FALSE(Ind().UseRegistry);
  const std::string before = IniText();
  OpenAndOk();
  const settings::IniFile ini = settings::IniFile::Parse(IniText());
  EXPECT_EQ(ini.SectionNames().front(), "Quonthary_SETTINGS");
  EXPECT_EQ(ini.Get("Quonthary_SETTINGS", "Keep_Settings_in_system_Registry"), "0");
  EXPECT_TRUE(ini.Get("Quonthary", "LanguageFile"));
  EXPECT_TRUE(ini.Get("Colors", "WhenChatging"));
  EXPECT_NE(IniText(), before);
  EXPECT_FALSE(fake.Registry.KeyExists(sys::RootKey::CurrentUser, kBase + "\\Colors"));
}

TEST_F(SettingsDialog, ARefusedIniFileShowsItsErrorAndChangesNothing) {
  Start();
  fs::create_directories(IniPath());  // a folder where the file would go
  Open([&](TFormSettings& d) {
    ui_->Click(d.cbxKeepInRegistry);
    ui_->SelectPage(d.PageControl1, 1);
    ui_->SetTrackBar(d.tbarDistance, 99);
    ui_->AnswerMessageBox(ui::ID_Ok);
    Ok(d);
  });
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_NE(ui_->MessageBoxes()[0].Text.find("Cannot create file"), std::string::npos);
  EXPECT_TRUE(Ind().UseRegistry);
  EXPECT_EQ(Ind().Cfg.PositionFromTray, 20);
}

TEST_F(SettingsDialog, OkAppliesToTheRunningIndicator) {
  Plant(true, "ShowInTaskBar", "0");
  Start();
  ASSERT_EQ(Ind().FormStyle(), ui::TFormStyle::StayOnTop);
  ASSERT_TRUE(Ind().TimerIcmp.Enabled() == false);
  Open([&](TFormSettings& d) {
    ui_->Click(d.cbxRunAtStartup);
    ui_->Click(d.cbxShowMenuChange);
    ui_->Click(d.cbxShowMenuWindow);
    ui_->Click(d.cbxShowChargeArrow);
    ui_->Click(d.cbxShowACPlug);
    ui_->Click(d.cbxStayOnTop);
    ui_->Click(d.CheckBoxCheckConnection);
    ui_->Click(d.cbxHotKeyMute);
    ui_->Click(d.rbtnTime);
    ui_->SetTrackBar(d.tbarWindowHeight, 10);
    ui_->AnswerColorDialog(0x00AA00);
    ui_->Click(d.ButtonColCharge);
    Ok(d);
  });
  const TFormQuonthary& f = Ind();
  EXPECT_FALSE(f.Cfg.RunAtStartup);
  EXPECT_FALSE(Saved(true, "Quonthary", kRun));
  EXPECT_TRUE(f.mnuIPChanger.Visible());
  EXPECT_FALSE(f.mnuIPChangerDialog.Visible());
  EXPECT_EQ(f.ImageCharging.Top(), f.ArrowTop - 100);
  EXPECT_EQ(f.ImageDischarging.Top(), f.ArrowTop);
  EXPECT_TRUE(f.ImageACPlug.Visible());  // on mains
  EXPECT_TRUE(f.TimerIcmp.Enabled());
  EXPECT_TRUE(f.Cfg.HotKeyMute);
  EXPECT_FALSE(f.Cfg.Percentage);
  EXPECT_EQ(f.Cfg.BatteryScale, 1.05f);
  EXPECT_EQ(f.Height(), 28);  // 27 × 1.05
  EXPECT_EQ(f.Cfg.WhenCharging, 0x00AA00);
  EXPECT_EQ(Stored("WhenCharging", kColors), std::to_string(0x00AA00));
  EXPECT_FALSE(f.Cfg.StayOnTop);
  EXPECT_EQ(f.FormStyle(), ui::TFormStyle::Normal);
  // A free window's place is saved with the rest.
  EXPECT_EQ(Stored("Left"), std::to_string(f.Left()));
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

TEST_F(SettingsDialog, AutoHeightDocksAtOnceAndTheDistanceMovesTheIndicator) {
  const auto bar = fake.Desktop.AddWindow("Shell_TrayWnd", {0, 718, 1024, 768});
  fake.Desktop.AddWindow("TrayNotifyWnd", {1000, 720, 1022, 764}, bar);
  Start();
  ASSERT_EQ(Ind().Height(), 14);
  Open([&](TFormSettings& d) {
    ui_->Click(d.cbxAutoHeight);
    ui_->SetTrackBar(d.tbarDistance, 50);
    Ok(d);
  });
  EXPECT_EQ(Ind().Left(), 1000 - 50 - 50);
  // Fitted to the notification area's 44 pixels less the two insets by the next docking
  // (the window options put the stored scale back meanwhile).
  Tick();
  EXPECT_NEAR(Ind().Height(), 40, 1);
  EXPECT_EQ(Ind().Left(), 1000 - 50 - 50);
  EXPECT_EQ(Stored("AutoHeightOnTaskBar"), "1");
  // The stored size is the bar's, not the docked one.
  EXPECT_EQ(Stored("BatteryHeight"), "5");
}

TEST_F(SettingsDialog, TurningHideWhenFullOffShowsAHiddenIndicatorAndTheCheckOffHidesItsMark) {
  Plant(true, "HideWindowWhenFull", "1");
  Plant(true, "ConnectionCheck", "1");
  Start();
  Tick(6);  // full on mains: blinks, then hides
  ASSERT_FALSE(Ind().IsShown());
  Ind().ImageNoInternet.Show();
  Open([&](TFormSettings& d) {
    EXPECT_TRUE(d.LabelHide.Visible());
    ui_->Click(d.cbxHideWhenFull);
    ui_->Click(d.CheckBoxCheckConnection);
    Ok(d);
  });
  EXPECT_TRUE(Ind().IsShown());
  EXPECT_FALSE(Ind().ImageNoInternet.Visible());
  EXPECT_FALSE(Ind().TimerIcmp.Enabled());
}

TEST_F(SettingsDialog, CancelChangesNothingButTheOpacityItPutsBack) {
  Plant(true, "Alpha", "180");
  Start();
  Ind().SetLayeredAlpha(255);  // as if something had changed it meanwhile
  Open([&](TFormSettings& d) {
    ui_->Click(d.cbxKeepInRegistry);
    ui_->Click(d.cbxLogWorkTime);
    ui_->SetTrackBar(d.tbarTransparency, 100);
    Cancel(d);
  });
  EXPECT_EQ(Ind().LayeredAlpha(), 180);
  EXPECT_TRUE(Ind().Cfg.LogWorkTime);
  EXPECT_TRUE(Ind().UseRegistry);
  EXPECT_FALSE(fs::exists(IniPath()));
  EXPECT_FALSE(Saved(true, "LogWorkTime"));

  // The title bar's close button and Escape cancel as well.
  Open([&](TFormSettings& d) { ui_->CloseByUser(d); });
  Open([&](TFormSettings& d) { ui_->PressKey(d, ui::VK_Escape); });
  EXPECT_FALSE(Saved(true, "LogWorkTime"));
  ExpectNoSurprises();
}

}  // namespace
