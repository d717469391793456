// The settings dialog and the IP editor in the shipped German and Polish, as real windows in
// the system's fonts: every text has room, nothing overlaps, the letters of the language are
// the ones shown, and a screenshot of each page goes to build/screenshots/. Polish runs where
// the ANSI code page is Windows-1250, as on a Polish Windows (ctest's wine.polish).
#include <filesystem>
#include <memory>
#include <string>

#include "changers/FormMacChanger.h"
#include "dialogs/Dialog.h"
#include "dialogs/FormAbout.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormMessageChanger.h"
#include "settings/FormSettings.h"
#include "system/fake/FakeDesktop.h"
#include "system/fake/FakeProcesses.h"
#include "system/fake/FakeSound.h"
#include "system/win32/Win32Environment.h"
#include "tests/SettingsLayoutCheck.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using win32test::Hwnd;
using win32test::Settle;

std::wstring WideText(ui::TWinControl& control) {
  wchar_t text[256] = {};
  GetWindowTextW(Hwnd(control), text, 256);
  return text;
}

class TranslatedWindows : public win32test::Win32Ui {
 protected:
  void Open(const std::string& file, const std::string& shotName) {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    shots_ = std::string(cwd) + "\\..\\screenshots\\";
    std::filesystem::create_directories(shots_);
    name_ = shotName;
    folder_ = sys::Win32Environment().TempPath() + "quonthary_languages\\";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ + "language");
    std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "\\resources\\language\\" + file,
                               folder_ + "language\\" + file);
    holder_ = std::make_unique<TFormLanguage>(&ui::Application());
    holder_->SetLanguageFile(file);
    // The messages too, as at start-up ("[empty]" slots, "Don't change").
    TranslateForm(*holder_, *holder_, folder_);
    env_ = std::make_unique<dialogs::DialogEnv>(
        dialogs::DialogEnv{*holder_, folder_, desktop_, sound_});
  }
  void TearDown() override {
    holder_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    Win32Ui::TearDown();
  }
  std::string Shot(const std::string& what) const { return shots_ + what + "-" + name_ + ".png"; }

  // Every page of the settings dialog, with its notices shown.
  void CheckSettings(const std::wstring& sample, ui::TWinControl& (*sampleOf)(TFormSettings&)) {
    auto d = std::make_unique<TFormSettings>(&ui::Application(), *env_);
    d->Show();
    Settle();
    for (ui::TLabel* notice : {&d->LabelHide, &d->LabelRestartRequired, &d->LabelRestartReq2})
      notice->Show();
    EXPECT_EQ(WideText(sampleOf(*d)), sample);
    for (int page = 0; page < d->PageControl1.PageCount(); ++page) {
      d->PageControl1.SetActivePage(d->PageControl1.Page(page));
      Settle();
      Sleep(100);
      Settle();
      EXPECT_TRUE(
          screenshot::SaveWindowPng(d->Handle(), Shot("settings-" + std::to_string(page + 1))));
    }
    testing_support::ExpectTidyLayout(*d);
    d->Hide();
  }
  void CheckIPEditor() {
    profiles::ProfileTables tables;
    tables.ConnectionNames = {"LAN"};
    auto e = std::make_unique<TFormIPChanger>(&ui::Application(), *env_, tables, IPEditorLinks{});
    e->Show();
    Settle();
    Sleep(100);
    Settle();
    EXPECT_TRUE(screenshot::SaveWindowPng(e->Handle(), Shot("ip-editor")));
    testing_support::ExpectTidyLayout(*e);
    e->Hide();
  }

  // The MAC editor with its wireless warning, whose two lines hold the text.
  void CheckMacEditor() {
    profiles::ProfileTables tables;
    tables.MacProfiles[0] = {true, "Card", "Adapter", true, "0001", "001A2B3C4D5E"};
    auto adapters = [] { return changers::NetworkAdapters{{"0001"}, {"Adapter"}, {""}}; };
    auto e = std::make_unique<TFormMacChanger>(&ui::Application(), *env_, tables, adapters,
                                               profiles::OrderDialogRunner{});
    e->Show();
    Settle();
    Sleep(100);
    Settle();
    EXPECT_TRUE(screenshot::SaveWindowPng(e->Handle(), Shot("mac-editor")));
    const ui::TLabel& warning = e->LabelMacFirstByte;
    EXPECT_TRUE(warning.Visible());
    EXPECT_LE(
        ui::CurrentBackend().MeasureText(warning.Font(), warning.Caption(), warning.Width()).Height,
        warning.Height())
        << warning.Caption();
    e->Hide();
  }

  // The about dialog and the confirmation of an IP profile with the elevation notice: their
  // labels stay inside the window and clear of the buttons.
  void CheckAboutAndConfirmation() {
    sys::FakeProcesses shell;
    auto about = std::make_unique<TFormAbout>(&ui::Application(), *env_, shell);
    auto confirm = std::make_unique<TFormMessageChanger>(&ui::Application(), *env_);
    profiles::IPProfileRecord ip;
    ip.Used = true;
    ip.ProfileName = "Office";
    ip.connectionName = "LAN";
    ip.statIP = "10.0.0.5";
    ip.statMask = "255.255.255.0";
    confirm->ShowIPProfile(ip);
    confirm->ShowElevationNotice();
    for (auto [window, what] : {std::pair<ui::TForm*, const char*>{about.get(), "about"},
                                {confirm.get(), "confirmation"}}) {
      window->Show();
      Settle();
      Sleep(100);
      Settle();
      EXPECT_TRUE(screenshot::SaveWindowPng(window->Handle(), Shot(what)));
      for (ui::TComponent* c : window->Components()) {
        auto* label = dynamic_cast<ui::TLabel*>(c);
        if (!label || !label->Visible() || !label->Parent()) continue;
        EXPECT_LE(label->Right(), label->Parent()->ClientWidth()) << what << " " << c->Name();
        for (ui::TControl* other : label->Parent()->Controls()) {
          auto* button = dynamic_cast<ui::TButton*>(other);
          if (button && button->Visible())
            EXPECT_FALSE(testing_support::Overlap(*label, *button))
                << what << ": " << c->Name() << " runs into " << button->Name();
        }
      }
      window->Hide();
    }
  }

  std::string folder_, shots_, name_;
  std::unique_ptr<TFormLanguage> holder_;
  sys::FakeDesktop desktop_;
  sys::FakeSound sound_;
  std::unique_ptr<dialogs::DialogEnv> env_;
};

using Win32TranslatedWindows = TranslatedWindows;
using Win32PolishWindows = TranslatedWindows;

TEST_F(Win32TranslatedWindows, SettingsAndIPEditorInGerman) {
  Open("Deutsch.lng", "deutsch");
  CheckSettings(L"Akkulaufzeit regelm\u00e4\u00dfig zeigen",
                [](TFormSettings& d) -> ui::TWinControl& { return d.cbxShowBattWorkTime; });
  CheckIPEditor();
  CheckMacEditor();
  CheckAboutAndConfirmation();
}

TEST_F(Win32PolishWindows, SettingsAndIPEditorInPolish) {
  if (GetACP() != 1250) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1250";
  Open("Polski.lng", "polski");
  CheckSettings(L"\u0141adowanie",
                [](TFormSettings& d) -> ui::TWinControl& { return d.ButtonColCharge; });
  CheckIPEditor();
  CheckMacEditor();
  CheckAboutAndConfirmation();
}

}  // namespace
