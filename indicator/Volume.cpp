// Placeholder until the volume display is built.
#include "app/FormQuonthary.h"

void TFormQuonthary::ShowVolume(std::uint32_t, std::uint32_t, bool) {}
void TFormQuonthary::ShowMute(bool, bool) {}
void TFormQuonthary::ShowVolumeImage() {}
