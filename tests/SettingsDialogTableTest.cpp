// The settings dialog's copy table without running the dialog: every value the dialog edits
// has one row, in the order of the copy-in; a value goes in and comes back unchanged; each
// row comes back at its own stage of the apply only. And the dialog's layout: nothing on a
// page overlaps or sticks out of its parent.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "SettingsFixture.h"
#include "SettingsLayoutCheck.h"
#include "i18n/FormLanguage.h"
#include "settings/FormSettings.h"
#include "settings/SettingsDialogTable.h"
#include "settings/SettingsTable.h"

namespace {

using settings::ApplyStage;
using settings::DialogCopy;
using settings::DialogRow;
using settings::SettingsDialogTable;

class SettingsDialogCopy : public testing_support::SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    Start();
  }
  TFormSettings& Dialog() {
    if (!dialog_)
      dialog_ = std::make_unique<TFormSettings>(&ui::Application(), Ind().DialogEnvironment());
    return *dialog_;
  }
  std::unique_ptr<TFormSettings> dialog_;
};

// Distinct values for every field the dialog edits, none of them a default.
settings::Settings Unusual() {
  settings::Settings s;
  s.LanguageFile = "Deutsch.lng";
  s.Percentage = false;
  s.UserDefBattFullTime = 4321;
  s.UseLifeTimeDefault = false;
  s.ShowInfoText = true;
  s.ShowTimeInfo = false;
  s.ShowTimeOnBattery = true;
  s.BatteryScale = settings::ScaleOfStep(17);
  s.RunAtStartup = false;
  s.WhenCharging = 0x010203;
  s.WhenDischarging = 0x040506;
  s.VolumeChanging = 0x070809;
  s.WhenChatging = 0x0A0B0C;
  s.StayOnTop = false;
  s.LogWorkTime = false;
  s.Alpha = 100;
  s.PositionFromTray = 42;
  s.HideWindowWhenFull = true;
  s.ShowWhenVolChanging = false;
  s.ShowChargArrow = false;
  s.ShowDischargArrow = false;
  s.UseExtarnalImages = true;
  s.ExtarnalImagesDirectory = "Blue";
  s.HotKeyWindowToFront = true;
  s.HotKeyMonOff = false;
  s.HotKeyMonOn = true;
  s.HotKeyVolume = false;
  s.HotKeyMute = true;
  s.HotKeyIPChanger = false;
  s.HotKeyProxyChanger = true;
  s.HotKeyMacChanger = false;
  s.ShowACPlugIcon = true;
  s.SoundOption1 = 0;
  s.SoundOption2 = 1;
  s.SoundOption3 = 2;
  s.SoundOption4 = 0;
  s.SoundPlugOutSound = "a.wav";
  s.SoundPlugInSound = "b.wav";
  s.SoundVolume = "c.wav";
  s.SoundNoConn = "d.wav";
  s.ShowMenuChange = true;
  s.ShowMenuWindow = false;
  s.ConnectionCheck = true;
  s.ConnectionIP = "10.9.8.7";
  s.ShowInTaskBar = false;
  s.AutoHeightOnTaskBar = true;
  s.AlertLowCharge = true;
  s.AlertLowChargeAt = 15;
  s.AlertUnplug = false;
  s.AlertUnplugAt = 85;
  s.SoundOption5 = 1;
  s.SoundOption6 = 0;
  s.SoundLowCharge = "e.wav";
  s.SoundUnplug = "f.wav";
  return s;
}

// A field's value as text, for comparing two settings sets row by row.
std::string ValueOf(const settings::Settings& s, const char* name) {
  const settings::Setting* row = settings::FindSetting(name);
  if (row->Flag) return s.*row->Flag ? "1" : "0";
  if (row->Number) return std::to_string(s.*row->Number);
  if (row->Text) return s.*row->Text;
  if (row->Scale) return std::to_string(settings::StepOfScale(s.*row->Scale));
  return "?";
}

// Another value in every field the dialog edits.
settings::Settings Opposite(const settings::Settings& s) {
  settings::Settings o = s;
  for (const DialogRow& row : SettingsDialogTable()) {
    if (!row.Setting) continue;
    const settings::Setting* f = settings::FindSetting(row.Setting);
    if (f->Flag) o.*f->Flag = !(s.*f->Flag);
    if (f->Number) o.*f->Number = s.*f->Number + 1;
    if (f->Text) o.*f->Text = s.*f->Text + "x";
    if (f->Scale) o.*f->Scale = settings::ScaleOfStep(settings::StepOfScale(s.*f->Scale) + 1);
  }
  return o;
}

TEST(SettingsDialogRows, CoverEverySettingTheDialogEditsOnce) {
  // Every value kept in memory, except the about dialog's two and the version.
  std::multiset<std::string> covered;
  for (const DialogRow& row : SettingsDialogTable())
    if (row.Setting) covered.insert(row.Setting);
  for (const settings::Setting& s : settings::SettingsTable()) {
    const bool inMemory = s.Flag || s.Number || s.Text || s.Scale;
    const std::string name = s.Name;
    const bool elsewhere =
        name == "AboutShowAtStartup" || name == "AboutInternational" || name == "PreviousVersion";
    EXPECT_EQ(covered.count(name), inMemory && !elsewhere ? 1u : 0u) << name;
  }
  // And nothing else: each row's value is one of the settings table's.
  for (const std::string& name : covered) EXPECT_NE(settings::FindSetting(name), nullptr) << name;
  // The storage switch, once.
  EXPECT_EQ(std::count_if(SettingsDialogTable().begin(), SettingsDialogTable().end(),
                          [](const DialogRow& r) { return r.How == DialogCopy::StorageSwitch; }),
            1);
}

TEST(SettingsDialogRows, InTheOrderOfTheCopyIn) {
  std::vector<std::string> order;
  for (const DialogRow& row : SettingsDialogTable())
    order.push_back(row.Control ? row.Control : "(seconds)");
  const std::vector<std::string> expected = {"cbxKeepInRegistry",
                                             "cbxRunAtStartup",
                                             "cbxLogWorkTime",
                                             "cbxStayOnTop",
                                             "rbtnShowInTaskBar",
                                             "cbxDisplayDescription",
                                             "cbxShowInfo",
                                             "cbxShowBattWorkTime",
                                             "cbxShowACPlug",
                                             "cbxShowChargeArrow",
                                             "cbxShowDischargeArrow",
                                             "cbxHideWhenFull",
                                             "cbxShowWhenVolume",
                                             "rbtnPercentage",
                                             "rbtnDefault",
                                             "(seconds)",
                                             "cbxHotKeyToFront",
                                             "cbxHotKeyMonOff",
                                             "cbxHotKeyMonOn",
                                             "cbxHotKeyVolume",
                                             "cbxHotKeyMute",
                                             "cbxHotKeyIPChanger",
                                             "cbxHotKeyProxyChanger",
                                             "cbxHotKeyMacChanger",
                                             "tbarWindowHeight",
                                             "cbxAutoHeight",
                                             "tbarTransparency",
                                             "tbarDistance",
                                             "rbtnBeeper1",
                                             "rbtnBeeper2",
                                             "rbtnBeeper3",
                                             "rbtnBeeper4",
                                             "edtSound1",
                                             "edtSound2",
                                             "edtSound3",
                                             "edtSound4",
                                             "cbxShowMenuChange",
                                             "cbxShowMenuWindow",
                                             "LabelCurLanguage",
                                             "CheckBoxExtImages",
                                             "LabelGraphics",
                                             "CheckBoxCheckConnection",
                                             "EditCheckConnectionIP",
                                             "Label3",
                                             "Label4",
                                             "Label5",
                                             "Label10",
                                             "cbxAlert5",
                                             "edtAlert5",
                                             "cbxAlert6",
                                             "edtAlert6",
                                             "rbtnBeeper5",
                                             "rbtnBeeper6",
                                             "edtSound5",
                                             "edtSound6"};
  EXPECT_EQ(order, expected);
}

TEST_F(SettingsDialogCopy, EveryNamedControlIsOnTheDialog) {
  for (const DialogRow& row : SettingsDialogTable())
    for (const char* name : {row.Control, row.Other, row.Third})
      if (name) {
        EXPECT_NE(Dialog().FindComponent(name), nullptr) << name;
      }
}

TEST_F(SettingsDialogCopy, ValuesComeBackAsTheyWentIn) {
  // The lists have what the settings name.
  std::filesystem::create_directories(dir.Path() / "Skin" / "Blue");
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream((dir.Path() / "language" / "Deutsch.lng").string()) << "";
  const settings::Settings in = Unusual();
  settings::CopyIn(Dialog(), in, false);
  ui_->OnModal([&](ui::TForm& f) {
    settings::Settings out;
    bool useRegistry = true;
    for (int stage = 0; stage <= int(ApplyStage::Size); ++stage)
      settings::CopyBack(Dialog(), ApplyStage(stage), out, useRegistry);
    EXPECT_FALSE(useRegistry);
    for (const DialogRow& row : SettingsDialogTable())
      if (row.Setting) {
        EXPECT_EQ(ValueOf(out, row.Setting), ValueOf(in, row.Setting)) << row.Setting;
      }
    f.Close();
  });
  Dialog().ShowModal();
}

TEST_F(SettingsDialogCopy, EachRowComesBackAtItsOwnStage) {
  const settings::Settings in = Unusual();
  settings::CopyIn(Dialog(), in, false);
  const settings::Settings before = Opposite(in);
  for (int stage = 0; stage <= int(ApplyStage::Size); ++stage) {
    settings::Settings out = before;
    bool useRegistry = true;
    settings::CopyBack(Dialog(), ApplyStage(stage), out, useRegistry);
    for (const DialogRow& row : SettingsDialogTable()) {
      // The lists are filled only when the dialog is shown.
      if (!row.Setting || row.How == DialogCopy::Language || row.How == DialogCopy::SkinFolder)
        continue;
      const bool own = int(row.Stage) == stage;
      EXPECT_EQ(ValueOf(out, row.Setting), ValueOf(own ? in : before, row.Setting))
          << row.Setting << " at stage " << stage;
    }
    EXPECT_EQ(useRegistry, stage != int(ApplyStage::Storage)) << stage;
  }
}

TEST_F(SettingsDialogCopy, ValuesThatComeBackLater) {
  // The restart notice compares the old skin switch, and the language is set before any
  // message is shown: the stages say so.
  auto stageOf = [](const char* name) {
    for (const DialogRow& row : SettingsDialogTable())
      if (row.Setting && std::string(row.Setting) == name) return row.Stage;
    return ApplyStage::Size;
  };
  EXPECT_LT(stageOf("ShowInTaskBar"), stageOf("ShowInfoText"));
  EXPECT_GT(stageOf("UseExtarnalImages"), stageOf("ShowInTaskBar"));
  EXPECT_GT(stageOf("ExtarnalImagesDirectory"), stageOf("HideWindowWhenFull"));
  EXPECT_EQ(stageOf("LanguageFile"), ApplyStage::Language);
  EXPECT_EQ(stageOf("BatteryHeight"), ApplyStage::Size);
  EXPECT_EQ(stageOf("Alpha"), ApplyStage::Opacity);
}

// ---- layout ----

TEST_F(SettingsDialogCopy, NothingOverlapsOrSticksOut) {
  TFormSettings& d = Dialog();
  // As it is shown, with every notice visible and long values in its labels.
  settings::Settings s = Unusual();
  s.LanguageFile = "A rather long language file name.lng";
  settings::CopyIn(d, s, true);
  ui_->OnModal([&](ui::TForm& f) {
    for (ui::TLabel* notice : {&d.LabelHide, &d.LabelRestartRequired, &d.LabelRestartReq2})
      notice->Show();
    d.LabelDistVal.SetCaption("200");
    d.lblTransparency.SetCaption("80%");
    d.lblBattHeight.SetCaption("18");
    testing_support::ExpectTidyLayout(d);
    f.Close();
  });
  d.ShowModal();
}

TEST_F(SettingsDialogCopy, TheGermanTextsFitToo) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "/resources/language/Deutsch.lng",
                             dir.Path() / "language" / "Deutsch.lng");
  Ind().FormLanguage->SetLanguageFile("Deutsch.lng");
  TFormSettings& d = Dialog();
  settings::CopyIn(d, Unusual(), true);
  ui_->OnModal([&](ui::TForm& f) {
    EXPECT_EQ(d.TabSheet1.Caption(), "Allgemein");
    EXPECT_EQ(d.ButtonCancel.Caption(), "Abbrechen");
    // Only the first sound panel is translated; the others take its texts.
    EXPECT_EQ(d.Sounds[3].rbtnBeeper.Caption(), "Eingebauter Ton");
    EXPECT_EQ(d.Sounds[2].rbtnDisabled.Caption(), "Aus");
    EXPECT_EQ(d.LabelRestartReq2.Caption(), d.LabelRestartRequired.Caption());
    for (ui::TLabel* notice : {&d.LabelHide, &d.LabelRestartRequired, &d.LabelRestartReq2})
      notice->Show();
    testing_support::ExpectTidyLayout(d);
    f.Close();
  });
  d.ShowModal();
}

TEST_F(SettingsDialogCopy, ThePolishTextsFitToo) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "/resources/language/Polski.lng",
                             dir.Path() / "language" / "Polski.lng");
  Ind().FormLanguage->SetLanguageFile("Polski.lng");
  TFormSettings& d = Dialog();
  settings::CopyIn(d, Unusual(), true);
  ui_->OnModal([&](ui::TForm& f) {
    EXPECT_EQ(d.TabSheet1.Caption(), "Og\xF3lne");
    EXPECT_EQ(d.Sounds[3].rbtnBeeper.Caption(), "Wbudowany sygna\xB3");  // Windows-1250
    for (ui::TLabel* notice : {&d.LabelHide, &d.LabelRestartRequired, &d.LabelRestartReq2})
      notice->Show();
    testing_support::ExpectTidyLayout(d);
    f.Close();
  });
  d.ShowModal();
}

}  // namespace
