// Any language file: the running program takes it, as the settings dialog's OK takes a newly
// chosen one, translating the indicator and the message holder, shows a timed message and
// opens the settings dialog translated by it (when the file has texts for it). Every message label
// reads what the file gives it. The program is started once; before each file the texts are put
// back as designed, so that no file's texts outlive it.
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/ProgramOnFakes.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "settings/FormSettings.h"
#include "settings/IniFile.h"
#include "ui/Types.h"

namespace {

const char kIni[] =
    "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
    "[Quonthary]\r\nLanguageFile=Fuzz.lng\r\nAboutShowAtStartup=0\r\nLogWorkTime=0\r\n"
    "PreviousVersion=";
const char kLanguageFile[] = "C:\\Quonthary\\language\\Fuzz.lng";

// Every visible caption of a window, with its accelerator, as the user would see it.
void Walk(ui::TComponent& c) {
  if (auto* control = dynamic_cast<ui::TControl*>(&c))
    (void)ui::StripAccelerator(control->Caption());
  if (auto* item = dynamic_cast<ui::TMenuItem*>(&c)) (void)ui::StripAccelerator(item->Caption());
  for (ui::TComponent* owned : c.Components()) Walk(*owned);
}

// The texts a translation may change, as designed, and put back: the indicator's and the
// message holder's components, looked at once.
class DesignedTexts {
 public:
  void Take(ui::TComponent& window) {
    i18n::ForEachTranslated(window, [this](ui::TComponent& c) {
      const i18n::TranslatedTexts kinds = i18n::TextsTranslated(c);
      if (auto* item = dynamic_cast<ui::TMenuItem*>(&c))
        items_.push_back({item, item->Caption()});
      else if (auto* control = dynamic_cast<ui::TControl*>(&c))
        controls_.push_back({control, kinds, control->Caption(), control->Hint()});
    });
  }
  void PutBack() const {
    for (const auto& [item, caption] : items_) item->SetCaption(caption);
    for (const Control& c : controls_) {
      if (c.Kinds.Caption) c.Control->SetCaption(c.Caption);
      if (c.Kinds.Hint) c.Control->SetHint(c.Hint);
    }
  }
  // Every caption as the user would see it, without its accelerator.
  void Walk() const {
    for (const auto& entry : items_) (void)ui::StripAccelerator(entry.first->Caption());
    for (const Control& c : controls_) (void)ui::StripAccelerator(c.Control->Caption());
  }

 private:
  struct Control {
    ui::TControl* Control;
    i18n::TranslatedTexts Kinds;
    std::string Caption, Hint;
  };
  std::vector<std::pair<ui::TMenuItem*, std::string>> items_;
  std::vector<Control> controls_;
};

struct Running {
  fuzz::ProgramOnFakes program;
  TFormQuonthary* ind = nullptr;
  DesignedTexts designed;
  Running() {
    program.files.Put(fuzz::kIniPath, kIni + program.RunningVersion() + "\r\n\r\n");
    program.files.Put(kLanguageFile, "");
    ind = &program.Start();
    designed.Take(*ind);
    designed.Take(*ind->FormLanguage);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Running running;
  fuzz::ProgramOnFakes& program = running.program;
  TFormQuonthary& ind = *running.ind;
  const std::string text = fuzz::Text(data, size);
  program.Ui().ResetTraffic();  // what the windows were told; it would grow without end
  running.designed.PutBack();
  program.files.Put(kLanguageFile, text);
  ind.FormLanguage->SetLanguageFile(ind.Cfg.LanguageFile);
  TranslateForm(ind, *ind.FormLanguage, ind.ProgramDir());
  TranslateForm(*ind.FormLanguage, *ind.FormLanguage, ind.ProgramDir());

  // The message labels hold what the file says.
  const settings::IniFile ini = settings::IniFile::Parse(text);
  for (ui::TComponent* c : ind.FormLanguage->Components()) {
    auto* label = dynamic_cast<ui::TLabel*>(c);
    if (!label) continue;
    if (auto caption = ini.Get("FormLanguage", label->Name() + "_Cpt"))
      fuzz::Check(ind.Msg(label->Name().c_str()) == *caption, "a message reads the file",
                  label->Name());
  }
  running.designed.Walk();

  // A timed message and the settings dialog, each closed again.
  ui::headless::HeadlessBackend& ui = program.Ui();
  ui.OnModal([&](ui::TForm& form) {
    Walk(form);
    for (char ch : std::string("aosk")) form.UserDialogChar(ch, ui::ssAlt);
    form.Close();
  });
  ind.ShowTimedMessage(ind.Msg("LabelIPChanged"), ind.Msg("LabelDisEnab"), 10, ui::IDI_Asterisk);
  // The settings dialog takes its texts from its own section and the default language's
  // name: a file without either leaves it as designed.
  if (!ini.Entries("FormSettings").empty() || ini.Get("FormLanguage", "LabelDefLanguage_Cpt")) {
    ui.OnModal([&](ui::TForm& form) {
      Walk(form);
      form.UserDialogChar('c', ui::ssAlt);
      if (form.Visible()) form.Close();
    });
    ui.ClickMenu(ind.mnuSettings);
  }
  program.Run(2);
  return 0;
}
