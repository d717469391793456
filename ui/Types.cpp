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

}  // namespace ui
