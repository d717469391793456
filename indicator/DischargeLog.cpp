// Placeholder until the discharge log is built.
#include "app/FormQuonthary.h"

std::string TFormQuonthary::NewLogFileName() { return {}; }
void TFormQuonthary::AppendLogLine(const std::string&, int, int) {}
