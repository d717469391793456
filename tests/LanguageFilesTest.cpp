// The language files: the English template is what the windows give, and the shipped
// translations have every key of it, in their code pages, with accelerators and places of
// values kept, and really translate the windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "i18n/FormLanguage.h"
#include "i18n/LanguageTemplate.h"
#include "i18n/Translate.h"
#include "i18n/template/ProgramWindows.h"
#include "settings/IniFile.h"
#include "tests/IndicatorFixture.h"

using testing_support::ScratchDir;

namespace {

std::string LanguageDir() { return std::string(Q_SOURCE_DIR) + "/resources/language/"; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

settings::IniFile ReadLanguage(const std::string& name) {
  return settings::IniFile::Parse(ReadFile(LanguageDir() + name));
}

// ---- what the template takes from a window ----

struct TSampleButton : ui::TButton {
  using ui::TButton::TButton;
};

struct SampleWindow : ui::TForm {
  SampleWindow() : ui::TForm(&ui::Application(), "FormSample") {
    SetCaption("Sample window");
    LabelData.SetShowAccelChar(false);
    LabelBoth.SetHint("A hint");
    LabelHintOnly.SetHint("Only a hint");
    ImageMark.SetHint("Mark");
    Button1.SetHint("Buttons take no hint");
    auto& made = Create<ui::TMenuItem>("mnuMade", "Made at run time");
    mnuTop.Add(made);
  }
  ui::TLabel LabelBoth{this, "LabelBoth", this, {}, "&Name:"};
  ui::TLabel LabelData{this, "LabelData", this, {}, "Shown data"};
  ui::TLabel LabelFigure{this, "LabelFigure", this, {}, "80%"};
  ui::TLabel LabelHintOnly{this, "LabelHintOnly", this, {}, ""};
  TSampleButton Button1{this, "Button1", this, {}, "Save"};
  ui::TCheckBox CheckBox1{this, "CheckBox1", this, {}, "Keep"};
  ui::TImage ImageMark{this, "ImageMark", this};
  ui::TImage ImagePlain{this, "ImagePlain", this};
  ui::TEdit Edit1{this, "Edit1", this};
  ui::TPanel Panel1{this, "Panel1", this, {}, "Panel text"};
  ui::TMenuItem mnuTop{this, "mnuTop", "Top"};
  ui::TMenuItem N1{this, "N1", "-"};
};

// Another window owned by the sample: it has a section of its own.
struct OwnedWindow : ui::TForm {
  explicit OwnedWindow(ui::TComponent* owner) : ui::TForm(owner, "FormOwned") {}
  ui::TLabel Label1{this, "Label1", this, {}, "Owned"};
};

TEST(LanguageTemplate, TakesTheDesignedTextsThatTranslationReads) {
  ui::headless::Install();
  SampleWindow w;
  OwnedWindow owned(&w);
  std::vector<std::string> lines;
  for (const i18n::TemplateKey& k : i18n::TemplateKeys(w)) lines.push_back(k.Key + "=" + k.Text);
  // In translation order; a label's caption before its hint; a data label, a figure, empty
  // texts, an edit, a panel, a separator, a button's hint, the window's caption and the owned
  // window give nothing.
  EXPECT_EQ(lines, (std::vector<std::string>{"LabelBoth_Cpt=&Name:", "LabelBoth_Hnt=A hint",
                                             "LabelHintOnly_Hnt=Only a hint", "Button1_Cpt=Save",
                                             "CheckBox1_Cpt=Keep", "ImageMark_Hnt=Mark",
                                             "mnuTop_Cpt=Top", "mnuMade_Cpt=Made at run time"}));
}

TEST(LanguageTemplate, IsAReadableLanguageFileWithOneSectionPerWindow) {
  ui::headless::Install();
  SampleWindow w;
  OwnedWindow owned(&w);
  const std::string text = i18n::LanguageTemplate({&w, &owned});
  EXPECT_EQ(text.find("\r\n[FormSample]\r\nLabelBoth_Cpt=&Name:\r\n") != std::string::npos, true)
      << text;
  const settings::IniFile ini = settings::IniFile::Parse(text);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"FormSample", "FormOwned"}));
  EXPECT_EQ(ini.Get("FormOwned", "Label1_Cpt"), "Owned");
  // Read back by the translation itself, the template changes nothing.
  ScratchDir dir;
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "English.lng", std::ios::binary) << text;
  TFormLanguage holder(&ui::Application());
  holder.SetLanguageFile("English.lng");
  w.LabelBoth.SetCaption("changed");
  TranslateForm(w, holder, dir.Dir());
  EXPECT_EQ(w.LabelBoth.Caption(), "&Name:");
}

// ---- the committed template ----

// The sections of the shipped files: every translated window of the program.
const std::vector<std::string> kSections = {
    "FormQuonthary",      "FormLanguage",   "FormAbout",   "FormIPChanger",
    "FormProxy",          "FormMacChanger", "FormMsgBox",  "FormMessageChanger",
    "FormImportSettings", "FormSettings",   "FormChanger", "FormBatteryHistory"};

TEST(LanguageFiles, TheCommittedTemplateIsWhatTheWindowsGive) {
  ScratchDir dir;
  i18n::ProgramWindows windows(dir.Dir());
  const std::string made = i18n::LanguageTemplate(windows.Windows());
  const std::string committed = ReadFile(LanguageDir() + "English.lng");
  // A control added, renamed or given other texts: the template must be made again
  // (cmake --build build/native --target language_template) and the translations follow.
  EXPECT_EQ(committed, made) << "resources/language/English.lng is out of date";
  EXPECT_EQ(settings::IniFile::Parse(made).SectionNames(), kSections);
}

TEST(LanguageFiles, TheTemplateHoldsEveryMessageAndEveryTextOfTheWindows) {
  ScratchDir dir;
  i18n::ProgramWindows windows(dir.Dir());
  const settings::IniFile english = ReadLanguage("English.lng");
  // Every message label of the holder, the 32 and those added since.
  int messages = 0;
  for (ui::TComponent* c : windows.Language().Components()) {
    auto* label = dynamic_cast<ui::TLabel*>(c);
    ASSERT_NE(label, nullptr) << c->Name();
    EXPECT_EQ(english.Get("FormLanguage", label->Name() + "_Cpt"), label->Caption());
    ++messages;
  }
  EXPECT_GE(messages, 32);
  // Texts a user reads in each kind of window.
  EXPECT_EQ(english.Get("FormQuonthary", "mnuBatteryHistory_Cpt"), "Battery history...");
  EXPECT_EQ(english.Get("FormQuonthary", "ImageACPlug_Hnt"), "AC Line");
  EXPECT_EQ(english.Get("FormSettings", "rbtnBeeper4_Cpt"), "Use build-in beep");
  EXPECT_EQ(english.Get("FormChanger", "LabelPresent_Cpt"), "In force now:");
  EXPECT_EQ(english.Get("FormMessageChanger", "LabelRunAs_Cpt"),
            "Windows will ask for administrator rights to change the IP settings.");
  // Data the program writes over any translation has no key: the gauge's state and figures,
  // the profile items and buttons, the confirmation's values, the timed box's message.
  for (const auto& [section, key] :
       {std::pair<const char*, const char*>{"FormQuonthary", "LabelState_Cpt"},
        {"FormQuonthary", "LabelTimeToEnd_Cpt"},
        {"FormQuonthary", "ImageBatt_Hnt"},
        {"FormQuonthary", "mnuIP00_Cpt"},
        {"FormQuonthary", "N1_Cpt"},
        {"FormChanger", "btnIP00_Cpt"},
        {"FormChanger", "LabelPresentList_Cpt"},
        {"FormMessageChanger", "LabelConName_Cpt"},
        {"FormMessageChanger", "LabelProfilName_Cpt"},
        {"FormMsgBox", "LabelMsg_Cpt"},
        {"FormSettings", "LabelDistVal_Cpt"},
        {"FormAbout", "Label3_Cpt"}})
    EXPECT_FALSE(english.Get(section, key)) << section << " " << key;
}

// ---- the translations ----

struct Translation {
  const char* File;
  // Bytes the code page leaves unassigned: a file written in another code page.
  std::set<unsigned char> Unassigned;
  // Letters only this language's code page has at these places (its own letters).
  std::string OwnLetters;
};

const Translation kGerman{"Deutsch.lng", {0x81, 0x8D, 0x8F, 0x90, 0x9D}, "\xE4\xF6\xFC\xDF"};
// Windows-1250: ą ę ł ń ś ź ż (ó is at the same place as in Windows-1252).
const Translation kPolish{
    "Polski.lng", {0x81, 0x83, 0x88, 0x90, 0x98}, "\xB9\xEA\xB3\xF1\x9C\x9F\xBF"};

void PrintTo(const Translation& t, std::ostream* os) { *os << t.File; }

class ShippedTranslation : public testing::TestWithParam<Translation> {};

// The letter an "&" marks, lower case; none when the caption has no accelerator.
char Accelerator(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    return c < 0x80 ? char(std::tolower(c)) : char(c);
  }
  return 0;
}

std::set<std::string> Places(const std::string& text) {
  std::set<std::string> places;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && std::isdigit(static_cast<unsigned char>(text[i + 1])))
      places.insert(text.substr(i, 2));
  return places;
}

TEST_P(ShippedTranslation, HasExactlyTheKeysOfTheTemplate) {
  const settings::IniFile english = ReadLanguage("English.lng");
  const settings::IniFile translated = ReadLanguage(GetParam().File);
  EXPECT_EQ(translated.SectionNames(), english.SectionNames());
  for (const std::string& section : english.SectionNames()) {
    for (const auto& [key, text] : english.Entries(section)) {
      const auto value = translated.Get(section, key);
      EXPECT_TRUE(value) << GetParam().File << " lacks [" << section << "] " << key;
      if (value) {
        EXPECT_FALSE(value->empty()) << section << " " << key;
      }
    }
    for (const auto& [key, text] : translated.Entries(section))
      EXPECT_TRUE(english.Get(section, key))
          << GetParam().File << " has [" << section << "] " << key << ", unknown to the template";
  }
}

TEST_P(ShippedTranslation, IsInTheCodePageOfItsLanguage) {
  const std::string text = ReadFile(LanguageDir() + GetParam().File);
  ASSERT_FALSE(text.empty());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_EQ(GetParam().Unassigned.count(byte), 0u) << GetParam().File << ": byte " << int(byte);
    EXPECT_TRUE(byte >= 0x20 || c == '\r' || c == '\n') << "control byte " << int(byte);
  }
  // Not UTF-8: its lead bytes would stand where the code page has letters.
  EXPECT_EQ(text.find("\xC3"), std::string::npos);
  EXPECT_EQ(text.find("\xC5"), std::string::npos);
  for (char letter : GetParam().OwnLetters)
    EXPECT_NE(text.find(letter), std::string::npos)
        << GetParam().File << " has no letter " << int(static_cast<unsigned char>(letter));
}

TEST_P(ShippedTranslation, KeepsAcceleratorsApartAndPlacesOfValues) {
  const settings::IniFile english = ReadLanguage("English.lng");
  const settings::IniFile translated = ReadLanguage(GetParam().File);
  for (const std::string& section : english.SectionNames()) {
    const auto entries = english.Entries(section);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::string& key = entries[i].first;
      const std::string text = translated.Get(section, key).value_or("");
      const char mine = Accelerator(text);
      EXPECT_EQ(mine != 0, Accelerator(entries[i].second) != 0) << section << " " << key;
      EXPECT_EQ(Places(text), Places(entries[i].second)) << section << " " << key;
      if (!mine) continue;
      // Two controls of one window share a letter only where the English ones do (the
      // switcher's three "Configure" buttons, each on a page of its own).
      for (std::size_t j = i + 1; j < entries.size(); ++j) {
        const std::string other = translated.Get(section, entries[j].first).value_or("");
        if (Accelerator(entries[j].second) != Accelerator(entries[i].second)) {
          EXPECT_NE(Accelerator(other), mine)
              << section << ": " << key << " and " << entries[j].first << " both use &" << mine;
        }
      }
    }
  }
}

// English texts that may stay so in a translation: names, addresses, abbreviations, and
// words both languages share ("Port", "Gateway", "Adapter" in German).
// clang-format off
const std::set<std::string> kSameInEveryLanguage = {
    "OK", "Quonthary", "Tessmark", "FREEWARE", "quonthary@example.com",
    "www.example.com/quonthary", "&DHCP", "&IP:", "IP:", "DNS&1:", "DNS&2:", "MAC:", "DNS %1",
    "Po&rt:", "Gateway:", "Adapter:", "h:", "m:", "s:", "TEXT"};
// clang-format on

TEST_P(ShippedTranslation, TranslatesTheRealWindowsLeavingNoEnglishBehind) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.Path() / "language");
  std::filesystem::copy_file(LanguageDir() + GetParam().File,
                             dir.Path() / "language" / GetParam().File);
  const settings::IniFile english = ReadLanguage("English.lng");
  const settings::IniFile translated = ReadLanguage(GetParam().File);
  i18n::ProgramWindows windows(dir.Dir());
  windows.Language().SetLanguageFile(GetParam().File);
  int checked = 0;
  for (ui::TForm* window : windows.Windows()) {
    TranslateForm(*window, windows.Language(), dir.Dir());
    std::map<std::string, std::string> now;
    i18n::ForEachTranslated(*window, [&](ui::TComponent& c) {
      now[c.Name() + "_Cpt"] = i18n::CaptionOf(c);
      now[c.Name() + "_Hnt"] = i18n::HintOf(c);
    });
    for (const auto& [key, text] : english.Entries(window->Name())) {
      ASSERT_EQ(now.count(key), 1u) << window->Name() << " has no component for " << key;
      EXPECT_EQ(now[key], translated.Get(window->Name(), key)) << window->Name() << " " << key;
      if (!kSameInEveryLanguage.count(text)) {
        EXPECT_NE(now[key], text) << window->Name() << " " << key << " is still English";
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 250);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, testing::Values(kGerman, kPolish),
                         [](const testing::TestParamInfo<Translation>& info) {
                           const std::string file = info.param.File;
                           return file.substr(0, file.find('.'));
                         });

}  // namespace
