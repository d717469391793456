#include "ui/win32/PopupMenus.h"

#include <string>

#include "ui/Forms.h"

namespace ui::win32 {

namespace {
bool Contains(const TMenuItem& parent, const TMenuItem* item) {
  for (int i = 0; i < parent.Count(); ++i)
    if (parent.Item(i) == item || Contains(*parent.Item(i), item)) return true;
  return false;
}
}  // namespace

BuiltMenu::BuiltMenu(const TMenuItem& root) : menu_(CreatePopupMenu()) { Append(menu_, root); }

BuiltMenu::~BuiltMenu() {
  if (menu_) DestroyMenu(menu_);  // with its sub-menus
}

TMenuItem* BuiltMenu::ItemFor(UINT id) const {
  return id >= 1 && id <= items_.size() ? items_[id - 1] : nullptr;
}

void BuiltMenu::Append(HMENU menu, const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Item(i);
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item->Caption();
    if (item->ShortCut()) text += "\t" + ShortCutToText(item->ShortCut());
    UINT flags =
        MF_STRING | (item->Checked() ? MF_CHECKED : 0u) | (item->Enabled() ? 0u : UINT(MF_GRAYED));
    if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      Append(sub, *item);
      AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    } else {
      items_.push_back(item);
      AppendMenuA(menu, flags, UINT_PTR(items_.size()), text.c_str());
    }
    if (item->Default()) SetMenuDefaultItem(menu, UINT(GetMenuItemCount(menu) - 1), TRUE);
  }
}

void TrackMenu(TPopupMenu& menu, HWND owner, int x, int y) {
  TMenuItem* chosen = nullptr;
  {
    BuiltMenu built(menu.Items());
    // A menu of a window that is not in the foreground would not close when the user
    // clicks elsewhere; the WM_NULL afterwards lets the menu loop end cleanly.
    SetForegroundWindow(owner);
    UINT id = UINT(TrackPopupMenu(built.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x,
                                  y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    chosen = built.ItemFor(id);
  }
  // Timers ran while the menu was open: the item must still be in the menu.
  if (chosen && Contains(menu.Items(), chosen)) Guarded([&] { chosen->UserClick(); });
}

}  // namespace ui::win32
