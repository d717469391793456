#include "i18n/Translate.h"

#include <exception>

#include "i18n/FormLanguage.h"
#include "settings/IniFile.h"
#include "system/Files.h"

namespace {

// The kinds that take their texts from a language file, tested in this order; derived
// kinds match too. Everything else keeps its designed text.
enum class Keys { Caption, Hint, Both };

bool TranslatedKind(ui::TComponent* c, Keys& keys) {
  if (dynamic_cast<ui::TLabel*>(c)) return keys = Keys::Both, true;
  if (dynamic_cast<ui::TButton*>(c) || dynamic_cast<ui::TCheckBox*>(c) ||
      dynamic_cast<ui::TGroupBox*>(c) || dynamic_cast<ui::TRadioButton*>(c) ||
      dynamic_cast<ui::TTabSheet*>(c) || dynamic_cast<ui::TMenuItem*>(c))
    return keys = Keys::Caption, true;
  if (dynamic_cast<ui::TImage*>(c)) return keys = Keys::Hint, true;
  return false;
}

void Translate(ui::TComponent* c, const settings::IniFile& ini, const std::string& section) {
  Keys keys;
  if (!TranslatedKind(c, keys)) return;
  auto text = [&](const char* suffix) { return ini.Get(section, c->Name() + suffix); };
  if (keys != Keys::Hint) {
    if (auto caption = text("_Cpt")) {
      if (auto* item = dynamic_cast<ui::TMenuItem*>(c))
        item->SetCaption(*caption);
      else
        static_cast<ui::TControl*>(c)->SetCaption(*caption);
    }
  }
  if (keys != Keys::Caption) {
    if (auto hint = text("_Hnt")) static_cast<ui::TControl*>(c)->SetHint(*hint);
  }
}

// The window's components and what they own in turn (items or buttons made at run time by a
// panel or a menu item of the window), but not the windows it owns.
void TranslateOwned(ui::TComponent& owner, const settings::IniFile& ini,
                    const std::string& section) {
  // A copy of the list: translating must not be upset by components that come and go.
  const std::vector<ui::TComponent*> components = owner.Components();
  for (ui::TComponent* c : components) {
    if (dynamic_cast<ui::TForm*>(c)) continue;  // another window, with a section of its own
    try {
      Translate(c, ini, section);
    } catch (const std::exception&) {
      // One component that cannot take its text does not stop the rest.
    }
    TranslateOwned(*c, ini, section);
  }
}

}  // namespace

void TranslateForm(ui::TForm& form, const TFormLanguage& holder, const std::string& programDir) {
  // An empty file name names the folder, which reads as a file without sections.
  settings::IniFile ini;
  if (!holder.LanguageFile().empty()) {
    if (auto text = sys::files::ReadAll(programDir + "language\\" + holder.LanguageFile()))
      ini = settings::IniFile::Parse(*text);
  }
  TranslateOwned(form, ini, form.Name());
}
