// What the MAC editor keeps of a typed address: hexadecimal digits only.
#pragma once
#include <string>

namespace changers {

bool HexDigit(char c);

// The typed text with every character that is not 0-9 or A-F (capitals: the edit makes
// them so) removed; the caret keeps its place among the characters that stay, and the
// selection its length as far as the kept text reaches.
struct KeptHexDigits {
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
};
KeptHexDigits KeepHexDigits(const std::string& typed, int selStart, int selLength);

}  // namespace changers
