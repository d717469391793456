// Placeholder until skins are built.
#include "app/FormQuonthary.h"

void TFormQuonthary::LoadSkin() {}
