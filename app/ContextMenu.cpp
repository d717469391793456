// The indicator's context menu: its items in menu order with the shortcuts they show, the
// default item and the general commands; and the double click on the gauge. The profile
// items and the refresh that runs when the menu opens are in profiles/ProfileMenus.cpp.
#include "app/FormQuonthary.h"

void TFormQuonthary::BuildContextMenu() {
  for (ui::TMenuItem* item : {&mnuAbout, &mnuMove, &mnuSettings, &mnuBatteryHistory, &mnuClose, &N1,
                              &mnuMacChanger, &mnuProxyChanger, &mnuIPChanger, &N2,
                              &mnuMacChangerDialog, &mnuProxyChangerDialog, &mnuIPChangerDialog})
    PopupMenu.Items().Add(*item);
  BuildProfileMenus();
  mnuIPChangerDialog.SetDefault(true);

  PopupMenu.OnPopup = [this](ui::TObject* s) { PopupMenuPopup(s); };
  mnuAbout.OnClick = [this](ui::TObject* s) { mnuAboutClick(s); };
  mnuMove.OnClick = [this](ui::TObject* s) { mnuMoveClick(s); };
  mnuSettings.OnClick = [this](ui::TObject* s) { mnuSettingsClick(s); };
  mnuBatteryHistory.OnClick = [this](ui::TObject* s) { mnuBatteryHistoryClick(s); };
  mnuClose.OnClick = [this](ui::TObject* s) { mnuCloseClick(s); };
  mnuMacChangerDialog.OnClick = [this](ui::TObject* s) { mnuMacChangerDialogClick(s); };
  mnuProxyChangerDialog.OnClick = [this](ui::TObject* s) { mnuProxyChangerDialogClick(s); };
  mnuIPChangerDialog.OnClick = [this](ui::TObject* s) { mnuIPChangerDialogClick(s); };
}

void TFormQuonthary::ImageBattDblClick(ui::TObject*) {
  // A profile change is under way: its window was raised by the press instead.
  if (Dialogs.ChangeRunning()) return;
  Sys.Audio.MessageBeep(0);
  // The switcher mirrors the menu: its state must be current first.
  PopupMenuPopup(&PopupMenu);
  mnuIPChangerDialogClick(&mnuIPChangerDialog);
}
