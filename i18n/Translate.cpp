#include "i18n/Translate.h"

#include <exception>
#include <typeinfo>
#include <utility>
#include <vector>

#include "i18n/FormLanguage.h"
#include "settings/IniFile.h"
#include "system/Files.h"

namespace i18n {

namespace {

// What translation asks of a component's kind.
struct Kind {
  TranslatedTexts Texts;
  bool Form = false;      // a window of its own, with a section of its own
  bool MenuItem = false;  // its caption is the item's, not a control's
};

// The kinds that take their texts from a language file, tested in this order; derived
// kinds match too. Everything else keeps its designed text.
Kind KindOf(const ui::TComponent* c) {
  Kind kind;
  kind.Form = dynamic_cast<const ui::TForm*>(c) != nullptr;
  kind.MenuItem = dynamic_cast<const ui::TMenuItem*>(c) != nullptr;
  if (dynamic_cast<const ui::TLabel*>(c))
    kind.Texts = {true, true};
  else if (dynamic_cast<const ui::TButton*>(c) || dynamic_cast<const ui::TCheckBox*>(c) ||
           dynamic_cast<const ui::TGroupBox*>(c) || dynamic_cast<const ui::TRadioButton*>(c) ||
           dynamic_cast<const ui::TTabSheet*>(c) || kind.MenuItem)
    kind.Texts = {true, false};
  else if (dynamic_cast<const ui::TImage*>(c))
    kind.Texts = {false, true};
  return kind;
}

// A window has hundreds of components of a few dozen types: each type is looked at once.
// Keyed by the type's own record (one per type in the program), so no names are compared.
Kind CachedKindOf(const ui::TComponent& c) {
  static std::vector<std::pair<const std::type_info*, Kind>> known;
  const std::type_info* type = &typeid(c);
  for (const auto& [t, kind] : known)
    if (t == type) return kind;
  known.emplace_back(type, KindOf(&c));
  return known.back().second;
}

// The component's texts from the window's section.
void Translate(ui::TComponent& c, const settings::IniFile& ini, const std::string& section) {
  const Kind kind = CachedKindOf(c);
  auto text = [&](const char* suffix) { return ini.Get(section, c.Name() + suffix); };
  if (kind.Texts.Caption) {
    if (auto caption = text("_Cpt")) {
      if (kind.MenuItem)
        static_cast<ui::TMenuItem&>(c).SetCaption(*caption);
      else
        static_cast<ui::TControl&>(c).SetCaption(*caption);
    }
  }
  if (kind.Texts.Hint) {
    if (auto hint = text("_Hnt")) static_cast<ui::TControl&>(c).SetHint(*hint);
  }
}

}  // namespace

TranslatedTexts TextsTranslated(const ui::TComponent& component) {
  return CachedKindOf(component).Texts;
}

std::string CaptionOf(const ui::TComponent& c) {
  if (CachedKindOf(c).MenuItem) return static_cast<const ui::TMenuItem&>(c).Caption();
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
    if (CachedKindOf(*c).Form) continue;  // another window, with a section of its own
    visit(*c);
    ForEachTranslated(*c, visit);
  }
}

}  // namespace i18n

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
      i18n::Translate(c, ini, section);
    } catch (const std::exception&) {
      // One component that cannot take its text does not stop the rest.
    }
  });
}
