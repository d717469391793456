// Placeholder until profile application is built.
#include "app/FormQuonthary.h"

bool TFormQuonthary::ApplyIPProfile(int) { return false; }
bool TFormQuonthary::ApplyProxyProfile(int) { return false; }
bool TFormQuonthary::ApplyMacProfile(int) { return false; }
void TFormQuonthary::ShowTimedMessage(const std::string&, const std::string&, int, int) {}
