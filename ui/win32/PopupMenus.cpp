#include "ui/win32/PopupMenus.h"

#include <algorithm>
#include <string>

#include "system/win32/Dpi.h"
#include "ui/Forms.h"
#include "ui/win32/BackendImpl.h"
#include "ui/win32/DcCanvas.h"

namespace ui::win32 {

namespace {

// The menu open now (TrackPopupMenu runs a modal loop; a handler could open another).
BuiltMenu* g_open = nullptr;

bool Contains(const TMenuItem& parent, const TMenuItem* item) {
  for (int i = 0; i < parent.Count(); ++i)
    if (parent.Item(i) == item || Contains(*parent.Item(i), item)) return true;
  return false;
}

bool Measure(BuiltMenu& built, MEASUREITEMSTRUCT& mis) {
  TMenuItem* item = built.DrawnItem(mis.itemData);
  Win32Backend* backend = Win32Backend::Current();
  if (!item || !backend) return false;
  const Scaling scale{built.Dpi()};
  WindowDC screen(nullptr);
  DcCanvas canvas(screen.Get(), *backend, scale);
  auto measure = [&](TMenuItem& which, int& width, int& height) {
    width = height = 0;
    Guarded([&] { built.Drawer()->MeasureItem(which, canvas, width, height); });
    width = std::max(width, 0);
    height = std::max(height, 0);
  };
  int width = 0, height = 0;
  measure(*item, width, height);
  // The items above it, when all of them are drawn here (the system stacks them from the
  // top); an item among system-drawn ones scales on its own.
  int top = 0;
  if (const TMenuItem* parent = item->ParentItem())
    for (int i = 0; i < parent->Count() && parent->Item(i) != item; ++i) {
      TMenuItem* above = parent->Item(i);
      if (!above->Visible()) continue;
      BuiltMenu::Place* known = built.PlaceOf(above);
      if (!known) {
        top = 0;
        break;
      }
      // The system measures from the top down: the items above are known by now.
      int w = 0;
      if (known->Height < 0) measure(*above, w, known->Height);
      top += known->Height;
    }
  *built.PlaceOf(item) = {top, height};
  mis.itemWidth = UINT(scale.ToPixels(width));
  mis.itemHeight = UINT(scale.ToPixels(top + height) - scale.ToPixels(top));
  return true;
}

bool Draw(BuiltMenu& built, const DRAWITEMSTRUCT& dis) {
  TMenuItem* item = built.DrawnItem(dis.itemData);
  Win32Backend* backend = Win32Backend::Current();
  if (!item || !backend) return false;
  TOwnerDrawState state;
  state.Selected = (dis.itemState & ODS_SELECTED) != 0;
  state.Disabled = (dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  state.Checked = (dis.itemState & ODS_CHECKED) != 0;
  state.Default = (dis.itemState & ODS_DEFAULT) != 0;
  const RECT& r = dis.rcItem;
  {
    // The column's design coordinates, put so that this item's top falls on its pixels.
    const Scaling scale{built.Dpi()};
    const BuiltMenu::Place place = *built.PlaceOf(item);
    DcCanvas canvas(dis.hDC, *backend, scale, POINT{r.left, r.top - scale.ToPixels(place.Top)});
    IntersectClipRect(dis.hDC, r.left, r.top, r.right, r.bottom);
    const int height = place.Height > 0 ? place.Height : scale.DesignLength(r.bottom - r.top);
    const sys::Rect design{0, place.Top, scale.DesignLength(r.right - r.left), place.Top + height};
    Guarded([&] { built.Drawer()->DrawItem(*item, canvas, design, state); });
  }
  // The system draws its own arrow over an owner-drawn sub-menu item afterwards; ours is
  // there already.
  if (item->Count() > 0) ExcludeClipRect(dis.hDC, r.left, r.top, r.right, r.bottom);
  return true;
}

// A letter typed in an owner-drawn menu: the item whose caption holds it as its accelerator.
bool MenuChar(const BuiltMenu& built, char ch, HMENU menu, LRESULT& result) {
  const TMenuItem* parent = built.ParentOf(menu);
  if (!parent) return false;
  int position = 0;
  for (int i = 0; i < parent->Count(); ++i) {
    const TMenuItem* item = parent->Item(i);
    if (!item->Visible()) continue;
    if (!item->IsSeparator() && item->Enabled() && IsAccel(ch, item->Caption()) &&
        built.DrawnItem(reinterpret_cast<ULONG_PTR>(item))) {
      result = MAKELRESULT(position, MNC_EXECUTE);
      return true;
    }
    ++position;
  }
  return false;
}

}  // namespace

BuiltMenu::BuiltMenu(const TMenuItem& root, const TPopupMenu* drawer, int dpi)
    : menu_(CreatePopupMenu()), drawer_(drawer), dpi_(dpi) {
  Append(menu_, root);
}

BuiltMenu::~BuiltMenu() {
  if (menu_) DestroyMenu(menu_);  // with its sub-menus
}

TMenuItem* BuiltMenu::ItemFor(UINT id) const {
  return id >= 1 && id <= items_.size() ? items_[id - 1] : nullptr;
}

TMenuItem* BuiltMenu::DrawnItem(ULONG_PTR data) const {
  auto* item = reinterpret_cast<TMenuItem*>(data);
  return std::find(drawn_.begin(), drawn_.end(), item) != drawn_.end() ? item : nullptr;
}

BuiltMenu::Place* BuiltMenu::PlaceOf(const TMenuItem* item) {
  const auto it = std::find(drawn_.begin(), drawn_.end(), item);
  return it == drawn_.end() ? nullptr : &places_[std::size_t(it - drawn_.begin())];
}

const TMenuItem* BuiltMenu::ParentOf(HMENU menu) const {
  auto it = parents_.find(menu);
  return it == parents_.end() ? nullptr : it->second;
}

void BuiltMenu::Append(HMENU menu, const TMenuItem& parent) {
  parents_[menu] = &parent;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Item(i);
    if (!item->Visible()) continue;
    // An owner-drawn item carries its model item as its data instead of a text.
    const bool ownerDrawn = drawer_ && drawer_->OwnerDraws(*item);
    if (ownerDrawn) {
      drawn_.push_back(item);
      places_.emplace_back();
    }
    const UINT drawn = ownerDrawn ? UINT(MF_OWNERDRAW) : 0u;
    std::string text = item->Caption();
    if (item->ShortCut()) text += "\t" + ShortCutToText(item->ShortCut());
    const char* content = ownerDrawn ? reinterpret_cast<const char*>(item) : text.c_str();
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR | drawn, 0, ownerDrawn ? content : nullptr);
      continue;
    }
    UINT flags = MF_STRING | drawn | (item->Checked() ? MF_CHECKED : 0u) |
                 (item->Enabled() ? 0u : UINT(MF_GRAYED));
    if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      Append(sub, *item);
      AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), content);
    } else {
      items_.push_back(item);
      AppendMenuA(menu, flags, UINT_PTR(items_.size()), content);
    }
    if (item->Default()) SetMenuDefaultItem(menu, UINT(GetMenuItemCount(menu) - 1), TRUE);
  }
}

bool MenuOwnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (!g_open || !g_open->Drawer()) return false;
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (!mis || mis->CtlType != ODT_MENU || !Measure(*g_open, *mis)) return false;
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (!dis || dis->CtlType != ODT_MENU || !Draw(*g_open, *dis)) return false;
      result = TRUE;
      return true;
    }
    case WM_MENUCHAR:
      return MenuChar(*g_open, char(LOWORD(wp)), reinterpret_cast<HMENU>(lp), result);
    default:
      return false;
  }
}

void TrackMenu(TPopupMenu& menu, HWND owner, int x, int y) {
  TMenuItem* chosen = nullptr;
  {
    BuiltMenu built(menu.Items(), &menu, sys::dpi::WindowDpi(owner));
    struct Open {
      BuiltMenu* outer = g_open;
      explicit Open(BuiltMenu& now) { g_open = &now; }
      ~Open() { g_open = outer; }
    } open(built);
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
