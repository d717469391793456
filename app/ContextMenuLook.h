// The look of the indicator's context menu.
#pragma once
#include "ui/Ui.h"

// Draws the menu decorated: the green side bar with the product's name, captioned separators
// with fading lines, the items in MS Sans Serif. The drawing component belongs to owner.
ui::TDecoratedMenu& ApplyContextMenuLook(ui::TComponent& owner, ui::TPopupMenu& menu);
