#include "ui/Types.h"

namespace ui {

std::string ShortCutToText(TShortCut shortCut) {
  if (shortCut == 0) return {};
  std::string text;
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scAlt) text += "Alt+";
  unsigned key = shortCut & 0xFF;
  if (key >= VK_F1 && key < VK_F1 + 24) {
    text += "F" + std::to_string(key - VK_F1 + 1);
  } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += char(key);
  } else {
    switch (key) {
      case VK_Return:
        text += "Enter";
        break;
      case VK_Escape:
        text += "Esc";
        break;
      case VK_Tab:
        text += "Tab";
        break;
      case VK_Back:
        text += "BkSp";
        break;
      default:
        text += "#" + std::to_string(key);
    }
  }
  return text;
}

std::string StripAccelerator(const std::string& caption) {
  std::string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 == caption.size()) break;  // a trailing "&" shows nothing
      ++i;                                 // "&&" shows "&", "&x" shows x
    }
    shown += caption[i];
  }
  return shown;
}

std::string QuoteAccelerators(const std::string& text) {
  std::string quoted;
  quoted.reserve(text.size());
  for (char ch : text) {
    if (ch == '&') quoted += '&';
    quoted += ch;
  }
  return quoted;
}

char AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return LowerChar(caption[i + 1]);
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}

bool IsAccel(char ch, const std::string& caption) {
  const char accel = AcceleratorOf(caption);
  return accel != 0 && accel == LowerChar(ch);
}

char LowerChar(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 'A' && c <= 'Z') return char(c + 32);
  // Latin-1 capitals (but the multiplication sign) have their small letter 32 above.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char(c + 32);
  return ch;
}

}  // namespace ui
