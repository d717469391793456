// The indicator's links to features that are not built yet: the three profile editors. Each
// says what it leaves undone.
#include "app/FormQuonthary.h"

void TFormQuonthary::mnuIPConfigureClick(ui::TObject*) {
  // The IP editor does not exist yet.
}

void TFormQuonthary::mnuProxyClick(ui::TObject*) {
  // The proxy editor does not exist yet.
}

void TFormQuonthary::mnuMacConfigureClick(ui::TObject*) {
  // The MAC editor does not exist yet.
}
