// Layout steps that the dialogs share: the form library keeps anchors as data only, so a
// dialog that changes its own height moves its bottom-anchored controls itself.
#pragma once
#include "ui/Ui.h"

namespace dialogs {

// Sets the form's outer height and moves every direct child anchored to the bottom (and not
// to the top) by the same amount.
void SetHeightKeepingBottom(ui::TForm& form, int height);

// Gives every auto-sizing label of the form the size of its designed text in the font the
// system really draws with (the library sizes a label only when its text changes).
void SizeLabelsToText(ui::TForm& form);

// Puts the form in the middle of the screen (after a show handler changed its size).
void CenterOnScreen(ui::TForm& form);

}  // namespace dialogs
