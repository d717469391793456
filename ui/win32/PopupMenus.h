// Popup menus made from the model's menu items at popup time, owner drawn through the menu's
// hooks where it has them.
#pragma once
#include "ui/win32/WinApi.h"

#include <map>
#include <vector>

#include "ui/Menus.h"

namespace ui::win32 {

// An HMENU with its sub-menus, and the item behind each command id (1, 2, ...).
class BuiltMenu {
 public:
  // drawer: the menu whose hooks draw the items it owner-draws; null = the system draws all.
  // dpi: what the owner window shows at; the hooks measure and draw in design pixels.
  explicit BuiltMenu(const TMenuItem& root, const TPopupMenu* drawer = nullptr, int dpi = 96);
  ~BuiltMenu();
  BuiltMenu(const BuiltMenu&) = delete;
  BuiltMenu& operator=(const BuiltMenu&) = delete;

  HMENU Get() const { return menu_; }
  // The item of a command id; null for 0 or an unknown id.
  TMenuItem* ItemFor(UINT id) const;
  const TPopupMenu* Drawer() const { return drawer_; }
  // The owner-drawn item behind a WM_MEASUREITEM / WM_DRAWITEM's item data; null if none.
  TMenuItem* DrawnItem(ULONG_PTR data) const;
  // The model item whose sub-items an HMENU shows (the root for the top level); null if none.
  const TMenuItem* ParentOf(HMENU menu) const;
  int Dpi() const { return dpi_; }
  // Where a drawn item sits in its column, in design pixels: measured with the items above
  // it, so that the column scales as one piece (a side bar drawn across items stays whole).
  struct Place {
    int Top = 0;
    int Height = -1;  // not measured yet
  };
  // Null for an item the system draws.
  Place* PlaceOf(const TMenuItem* item);

 private:
  void Append(HMENU menu, const TMenuItem& parent);
  HMENU menu_;
  const TPopupMenu* drawer_;
  int dpi_;
  std::vector<Place> places_;  // of each drawn item
  std::vector<TMenuItem*> items_;
  std::vector<TMenuItem*> drawn_;
  std::map<HMENU, const TMenuItem*> parents_;
};

// Shows the menu at screen coordinates for an owner window and runs the chosen item's
// UserClick (after the menu has closed).
void TrackMenu(TPopupMenu& menu, HWND owner, int x, int y);

// The owner window's part in an open owner-drawn menu: WM_MEASUREITEM, WM_DRAWITEM and
// WM_MENUCHAR (accelerators the system cannot see in owner-drawn text). Every window that
// may own a menu passes its messages here first; true = handled, with result set.
bool MenuOwnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace ui::win32
