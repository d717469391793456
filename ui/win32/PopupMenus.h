// Popup menus made from the model's menu items at popup time.
#pragma once
#include "ui/win32/WinApi.h"

#include <vector>

#include "ui/Menus.h"

namespace ui::win32 {

// An HMENU with its sub-menus, and the item behind each command id (1, 2, ...).
class BuiltMenu {
 public:
  explicit BuiltMenu(const TMenuItem& root);
  ~BuiltMenu();
  BuiltMenu(const BuiltMenu&) = delete;
  BuiltMenu& operator=(const BuiltMenu&) = delete;

  HMENU Get() const { return menu_; }
  // The item of a command id; null for 0 or an unknown id.
  TMenuItem* ItemFor(UINT id) const;

 private:
  void Append(HMENU menu, const TMenuItem& parent);
  HMENU menu_;
  std::vector<TMenuItem*> items_;
};

// Shows the menu at screen coordinates for an owner window and runs the chosen item's
// UserClick (after the menu has closed).
void TrackMenu(TPopupMenu& menu, HWND owner, int x, int y);

}  // namespace ui::win32
