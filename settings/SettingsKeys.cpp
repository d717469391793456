// Placeholder until the settings set is built.
#include "app/FormQuonthary.h"

void TFormQuonthary::LoadSettings() {}
void TFormQuonthary::SaveSettings() {}
void TFormQuonthary::ApplyRunAtStartup(bool) {}
