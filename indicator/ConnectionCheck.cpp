// Placeholder until the connection check is built.
#include "app/FormQuonthary.h"

void TFormQuonthary::TimerIcmpTimer(ui::TObject*) {}
void TFormQuonthary::IdIcmpClientReply(int) {}
