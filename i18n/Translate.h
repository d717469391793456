// Run-time translation of a window from the chosen language file.
#pragma once
#include <functional>
#include <string>

#include "ui/Ui.h"

class TFormLanguage;

// Replaces the captions ("<name>_Cpt") and hints ("<name>_Hnt") of the window's components
// from the section named after the window in programDir + "language\" + the holder's file.
// A missing file, section or key leaves a text as it is; an empty value empties it.
void TranslateForm(ui::TForm& form, const TFormLanguage& holder, const std::string& programDir);

namespace i18n {

// Which texts of a component a language file gives: the caption ("_Cpt"), the hint ("_Hnt").
struct TranslatedTexts {
  bool Caption = false;
  bool Hint = false;
};
TranslatedTexts TextsTranslated(const ui::TComponent& c);

// The component's caption or hint as translation reads and sets it.
std::string CaptionOf(const ui::TComponent& c);
std::string HintOf(const ui::TComponent& c);

// Every component of the window that translation visits, in the order it visits them: the
// window's components and what they own in turn (items or buttons made at run time), but not
// the windows it owns, which have sections of their own.
void ForEachTranslated(ui::TComponent& window, const std::function<void(ui::TComponent&)>& visit);

}  // namespace i18n
