// Placeholder until placement is built.
#include "app/FormQuonthary.h"

void TFormQuonthary::ApplyScale(float) {}
void TFormQuonthary::DockToTray() {}
void TFormQuonthary::ApplyWindowOptions(bool) {}
void TFormQuonthary::ApplyAlpha(int) {}
bool TFormQuonthary::IsShown() { return Visible(); }
void TFormQuonthary::ShowIndicator() {}
void TFormQuonthary::HideIndicator() {}
void TFormQuonthary::RaiseWithoutFocus() {}
void TFormQuonthary::UpdateHideWhenFull() {}
void TFormQuonthary::FollowMouse() {}
void TFormQuonthary::ClampToScreen() {}
void TFormQuonthary::mnuMoveClick(ui::TObject*) {}
void TFormQuonthary::FormMouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {}
void TFormQuonthary::FormMouseMove(ui::TObject*, ui::TShiftState, int, int) {}
