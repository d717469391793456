// The indicator's links to features that are not built yet: the about, settings and editor
// dialogs. Each says what it leaves undone.
#include "app/FormQuonthary.h"

void TFormQuonthary::mnuAboutClick(ui::TObject*) {
  // The about dialog does not exist yet.
}

void TFormQuonthary::mnuSettingsClick(ui::TObject*) {
  // The settings dialog does not exist yet.
}

void TFormQuonthary::mnuIPConfigureClick(ui::TObject*) {
  // The IP editor does not exist yet.
}

void TFormQuonthary::mnuProxyClick(ui::TObject*) {
  // The proxy editor does not exist yet.
}

void TFormQuonthary::mnuMacConfigureClick(ui::TObject*) {
  // The MAC editor does not exist yet.
}

void TFormQuonthary::FirstRunAboutCheck() {
  // The about dialog does not exist yet; the first show only records that it happened.
  FirstShowPending = false;
}
