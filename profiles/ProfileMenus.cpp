// Placeholder until the profile menus are built.
#include "app/FormQuonthary.h"

void TFormQuonthary::UpdateIPMenuItems() {}
void TFormQuonthary::UpdateProxyMenuItems() {}
void TFormQuonthary::UpdateMacMenuItems() {}
