#include "changers/MacAddressText.h"

#include <algorithm>

namespace changers {

bool HexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

KeptHexDigits KeepHexDigits(const std::string& typed, int selStart, int selLength) {
  KeptHexDigits kept;
  int caret = std::clamp(selStart, 0, int(typed.size()));
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (HexDigit(typed[i]))
      kept.Text += typed[i];
    else if (int(i) < selStart)
      --caret;
  }
  kept.SelStart = caret;
  kept.SelLength = std::clamp(selLength, 0, int(kept.Text.size()) - caret);
  return kept;
}

}  // namespace changers
