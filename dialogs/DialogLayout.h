// Layout steps that the dialogs share.
#pragma once
#include "ui/Ui.h"

namespace dialogs {

// Gives every auto-sizing label of the form the size of its designed text in the font the
// system really draws with (the library sizes a label only when its text changes).
void SizeLabelsToText(ui::TForm& form);

// Puts the form in the middle of the screen (after a show handler changed its size).
void CenterOnScreen(ui::TForm& form);

}  // namespace dialogs
