// The common-controls library is loaded when the first standard control or tooltip is made,
// not at start: the indicator paints all its parts itself, and the library with its class
// registrations and theme data would be the largest thing its start loads for nothing.
#pragma once

namespace ui::win32 {

// Loads the library (version 6 through the program's manifest) and registers its classes;
// once per process. Without it the standard classes of version 5 remain.
void EnsureCommonControls();

}  // namespace ui::win32
