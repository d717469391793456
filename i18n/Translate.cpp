#include "i18n/Translate.h"

#include <exception>
#include <vector>

#include "i18n/FormLanguage.h"
#include "settings/IniFile.h"
#include "system/Files.h"

namespace i18n {

// The kinds that take their texts from a language file, tested in this order; derived
// kinds match too. Everything else keeps its designed text.
TranslatedTexts TextsTranslated(const ui::TComponent& component) {
  const ui::TComponent* c = &component;
  if (dynamic_cast<const ui::TLabel*>(c)) return {true, true};
  if (dynamic_cast<const ui::TButton*>(c) || dynamic_cast<const ui::TCheckBox*>(c) ||
      dynamic_cast<const ui::TGroupBox*>(c) || dynamic_cast<const ui::TRadioButton*>(c) ||
      dynamic_cast<const ui::TTabSheet*>(c) || dynamic_cast<const ui::TMenuItem*>(c))
    return {true, false};
  if (dynamic_cast<const ui::TImage*>(c)) return {false, true};
  return {};
}

std::string CaptionOf(const ui::TComponent& c) {
  if (auto* item = dynamic_cast<const ui::TMenuItem*>(&c)) return item->Caption();
  if (auto* control = dynamic_cast<const ui::TControl*>(&c)) return control->Caption();
  return {};
}

std::string HintOf(const ui::TComponent& c) {
  if (auto* control = dynamic_cast<const ui::TControl*>(&c)) return control->Hint();
  return {};
}

void ForEachTranslated(ui::TComponent& owner, const std::function<void(ui::TComponent&)>& visit) {
  // A copy of the list: translating must not be upset by components that come and go.
  const std::vector<ui::TComponent*> components = owner.Components();
  for (ui::TComponent* c : components) {
    if (dynamic_cast<ui::TForm*>(c)) continue;  // another window, with a section of its own
    visit(*c);
    ForEachTranslated(*c, visit);
  }
}

}  // namespace i18n

namespace {

void Translate(ui::TComponent& c, const settings::IniFile& ini, const std::string& section) {
  const i18n::TranslatedTexts texts = i18n::TextsTranslated(c);
  auto text = [&](const char* suffix) { return ini.Get(section, c.Name() + suffix); };
  if (texts.Caption) {
    if (auto caption = text("_Cpt")) {
      if (auto* item = dynamic_cast<ui::TMenuItem*>(&c))
        item->SetCaption(*caption);
      else
        static_cast<ui::TControl&>(c).SetCaption(*caption);
    }
  }
  if (texts.Hint) {
    if (auto hint = text("_Hnt")) static_cast<ui::TControl&>(c).SetHint(*hint);
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
  const std::string section = form.Name();
  i18n::ForEachTranslated(form, [&](ui::TComponent& c) {
    try {
      Translate(c, ini, section);
    } catch (const std::exception&) {
      // One component that cannot take its text does not stop the rest.
    }
  });
}
