// A window whose 21 profile buttons and menu items are made in a loop at run time with
// generated names (btnIP00 ... btnIP20, mnuIP00 ... mnuIP20), as the switcher and the context
// menu make theirs; one handler serves them all and reads the index from the name. Shared by
// the headless test and the one with real windows.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "ui/Ui.h"

namespace runtimeform {

inline std::string TwoDigits(int i) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", i);
  return text;
}

// The number the last two characters of a name give; -1 when they are not digits.
inline int IndexFromName(const std::string& name) {
  if (name.size() < 2) return -1;
  const char a = name[name.size() - 2], b = name[name.size() - 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
  return (a - '0') * 10 + (b - '0');
}

struct LoopForm : ui::TForm {
  explicit LoopForm(ui::TComponent* owner) : ui::TForm(owner, "FormLoop") {
    SetBorderStyle(ui::TBorderStyle::Dialog);
    SetBounds(100, 40, 0, 0);
    SetClientSize(180, 21 * 24 + 16);
    SetCaption("Made in a loop");
    SetPopupMenu(&Menu);
    Menu.Items().Add(mnuIPChanger);
    auto clicked = [this](ui::TObject* sender) {
      Clicked.push_back(IndexFromName(static_cast<ui::TComponent*>(sender)->Name()));
    };
    for (int i = 0; i <= 20; ++i) {
      const std::string n = TwoDigits(i);
      auto& button = Create<ui::TButton>("btnIP" + n, &Panel, ui::Bounds{8, 4 + 24 * i, 150, 22},
                                         "Profile " + n);
      button.SetHint("IP profile " + n);
      button.SetShowHint(true);
      button.OnClick = clicked;
      // The items belong to their sub-menu's item, as a menu builder might make them.
      auto& item = mnuIPChanger.Create<ui::TMenuItem>("mnuIP" + n, "Profile " + n);
      mnuIPChanger.Add(item);
      item.OnClick = clicked;
    }
  }

  ui::TButton& Button(int i) {
    return *static_cast<ui::TButton*>(FindComponent("btnIP" + TwoDigits(i)));
  }
  ui::TMenuItem& Item(int i) {
    return *static_cast<ui::TMenuItem*>(mnuIPChanger.FindComponent("mnuIP" + TwoDigits(i)));
  }

  std::vector<int> Clicked;
  ui::TPanel Panel{this, "Panel", this, {0, 0, 170, 21 * 24 + 8}};
  ui::TPopupMenu Menu{this, "Menu"};
  ui::TMenuItem mnuIPChanger{this, "mnuIPChanger", "IP Changer"};
};

// Translations of two buttons and two items; the rest keep their texts.
inline const char* LanguageText() {
  return "[FormLoop]\r\n"
         "btnIP03_Cpt=B\xFCro\r\n"
         "btnIP20_Cpt=&Hotel\r\n"
         "mnuIP03_Cpt=B\xFCro\r\n"
         "mnuIP20_Cpt=Hotel\r\n"
         "mnuIPChanger_Cpt=IP-Wechsler\r\n";
}

}  // namespace runtimeform
