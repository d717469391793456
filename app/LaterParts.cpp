// The indicator's links to features that are not built yet: the context menu's dialog
// commands, the hot keys and the mixer. Each says what it leaves undone.
#include "app/FormQuonthary.h"

void TFormQuonthary::ImageBattDblClick(ui::TObject*) {
  // Opens the profile switcher once it exists; until then a double click does nothing.
}

void TFormQuonthary::UpdateChangerMenus() {
  mnuMacChanger.SetVisible(Cfg.ShowMenuChange);
  mnuProxyChanger.SetVisible(Cfg.ShowMenuChange);
  mnuIPChanger.SetVisible(Cfg.ShowMenuChange);
  mnuMacChangerDialog.SetVisible(Cfg.ShowMenuWindow);
  mnuProxyChangerDialog.SetVisible(Cfg.ShowMenuWindow);
  mnuIPChangerDialog.SetVisible(Cfg.ShowMenuWindow);
}

void TFormQuonthary::RegisterHotKeys() {
  // No hot key is registered yet.
}

void TFormQuonthary::HandleHotKey(int) {}

void TFormQuonthary::OpenMixers() {
  // No mixer control is opened yet: volume and mute show nothing.
}

void TFormQuonthary::ReadVolumeQuietly() {}

bool TFormQuonthary::FormMessage(unsigned, std::uintptr_t, std::intptr_t) { return false; }
