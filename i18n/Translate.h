// Run-time translation of a window from the chosen language file.
#pragma once
#include <string>

#include "ui/Ui.h"

class TFormLanguage;

// Replaces the captions ("<name>_Cpt") and hints ("<name>_Hnt") of the window's components
// from the section named after the window in programDir + "language\" + the holder's file.
// A missing file, section or key leaves a text as it is; an empty value empties it.
void TranslateForm(ui::TForm& form, const TFormLanguage& holder, const std::string& programDir);
