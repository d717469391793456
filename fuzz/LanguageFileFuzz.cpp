// Any language file: the program starts with it, translating the indicator and the message
// holder, shows a timed message and opens the settings dialog translated by it.
// Every message label reads what the file gives it.
#include "fuzz/FuzzSupport.h"
#include "fuzz/ProgramOnFakes.h"
#include "i18n/FormLanguage.h"
#include "settings/FormSettings.h"
#include "settings/IniFile.h"
#include "ui/Types.h"

namespace {

const char kIni[] =
    "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
    "[Quonthary]\r\nLanguageFile=Fuzz.lng\r\nAboutShowAtStartup=0\r\nPreviousVersion=";

// Every visible caption of a window, with its accelerator, as the user would see it.
void Walk(ui::TComponent& c) {
  if (auto* control = dynamic_cast<ui::TControl*>(&c))
    (void)ui::StripAccelerator(control->Caption());
  if (auto* item = dynamic_cast<ui::TMenuItem*>(&c)) (void)ui::StripAccelerator(item->Caption());
  for (ui::TComponent* owned : c.Components()) Walk(*owned);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  fuzz::ProgramOnFakes program;
  program.files.Put(fuzz::kIniPath, kIni + program.RunningVersion() + "\r\n\r\n");
  program.files.Put(std::string(fuzz::kProgramDir) + "language\\Fuzz.lng", text);
  TFormQuonthary& ind = program.Start();

  // The message labels hold what the file says.
  const settings::IniFile ini = settings::IniFile::Parse(text);
  for (ui::TComponent* c : ind.FormLanguage->Components()) {
    auto* label = dynamic_cast<ui::TLabel*>(c);
    if (!label) continue;
    if (auto caption = ini.Get("FormLanguage", label->Name() + "_Cpt"))
      fuzz::Check(ind.Msg(label->Name().c_str()) == *caption, "a message reads the file",
                  label->Name());
  }
  Walk(ind);

  // A timed message and the settings dialog, each closed again.
  ui::headless::HeadlessBackend& ui = program.Ui();
  ui.OnModal([&](ui::TForm& form) {
    Walk(form);
    for (char ch : std::string("aosk")) form.UserDialogChar(ch, ui::ssAlt);
    form.Close();
  });
  ind.ShowTimedMessage(ind.Msg("LabelIPChanged"), ind.Msg("LabelDisEnab"), 10, ui::IDI_Asterisk);
  ui.OnModal([&](ui::TForm& form) {
    Walk(form);
    form.UserDialogChar('c', ui::ssAlt);
    if (form.Visible()) form.Close();
  });
  ui.ClickMenu(ind.mnuSettings);
  program.Run(2);
  return 0;
}
