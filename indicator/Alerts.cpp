// Placeholder until the alerts are built.
#include "app/FormQuonthary.h"

void TFormQuonthary::PlayPlugOutAlert() {}
void TFormQuonthary::PlayPlugInAlert() {}
void TFormQuonthary::PlayVolumeUpAlert() {}
void TFormQuonthary::PlayVolumeDownAlert() {}
void TFormQuonthary::PlayConnectionLostAlert() {}
