// The text of the volume display.
#pragma once
#include <string>

// "+" and the percentage, whole from 10 up and with one decimal below ("+45 %", "+7.5 %"),
// with the given decimal separator. Halves round away from zero.
std::string VolumeText(double percent, const std::string& decimalSeparator);
