// Panels, tab sheets and the page control that shows them.
#include "ui/win32/WinApi.h"
#include <commctrl.h>

#include <algorithm>

#include "ui/win32/GraphicPainter.h"
#include "ui/win32/Peers.h"

namespace ui::win32 {

// ---- own-class containers ----

ContainerPeer::ContainerPeer(Win32Backend& backend, TWinControl& control, const char* className)
    : WindowPeer(backend, control) {
  RegisterOwnClass(className);
  CreateHandle(className, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, true);
}

void ContainerPeer::ApplyText() {
  SetWindowTextGuarded(control_.Caption());
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ContainerPeer::ApplyKind(Change what) {
  if (what == Change::Style) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ContainerPeer::PaintClient(HDC dc) {
  RECT rect;
  GetClientRect(hwnd_, &rect);
  FillBackground(dc, rect);
  if (auto* panel = dynamic_cast<TPanel*>(&control_)) {
    if (panel->BevelOuter() == TBevelCut::Raised) {
      DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    } else if (panel->BevelOuter() == TBevelCut::Lowered) {
      DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    if (!panel->Caption().empty()) {
      SavedDC saved(dc);
      SelectObject(dc, backend_.FontFor(panel->Font(), scaling_.Dpi));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(
          dc, panel->Enabled() ? ToColorRef(panel->Font().Color) : GetSysColor(COLOR_GRAYTEXT));
      DrawTextA(dc, panel->Caption().c_str(), int(panel->Caption().size()), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
  PaintGraphicChildren(dc, control_, backend_, scaling_, PressedGraphic());
}

// ---- tab sheets ----

SheetPeer::SheetPeer(Win32Backend& backend, TTabSheet& sheet)
    : ContainerPeer(backend, sheet, "TTabSheet"), sheet_(&sheet) {
  pages_ = dynamic_cast<PageControlPeer*>(FromHwnd(GetParent(hwnd_)));
  if (pages_) pages_->RebuildTabs();
}

SheetPeer::~SheetPeer() {
  // Only the pointer is used: the sheet is being destroyed.
  if (pages_) pages_->SheetGone(sheet_);
}

void SheetPeer::ApplyBounds() {
  if (!pages_) {
    ContainerPeer::ApplyBounds();
    return;
  }
  RECT area = pages_->DisplayArea();
  SetWindowPos(hwnd_, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void SheetPeer::ApplyText() {
  ContainerPeer::ApplyText();
  if (pages_) pages_->RebuildTabs();
}

// ---- page control ----

PageControlPeer::PageControlPeer(Win32Backend& backend, TPageControl& pages)
    : WindowPeer(backend, pages), pages_(pages) {
  CreateHandle(WC_TABCONTROLA, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
               WS_EX_CONTROLPARENT, false);
}

void PageControlPeer::ApplyAll() {
  WindowPeer::ApplyAll();
  RebuildTabs();
}

void PageControlPeer::ApplyBounds() {
  WindowPeer::ApplyBounds();
  for (TTabSheet* sheet : std::vector<TTabSheet*>(tabPages_))
    if (sheet->GetPeer()) sheet->GetPeer()->Changed(Change::Bounds);
}

void PageControlPeer::ApplyKind(Change what) {
  if (what == Change::ActivePage) SyncSelection();
  if (what == Change::TabVisible || what == Change::Children) RebuildTabs();
}

RECT PageControlPeer::DisplayArea() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void PageControlPeer::RebuildTabs() {
  if (!hwnd_) return;
  Applying guard(*this);
  SendMessageA(hwnd_, TCM_DELETEALLITEMS, 0, 0);
  tabPages_.clear();
  for (int i = 0; i < pages_.PageCount(); ++i) {
    TTabSheet* page = pages_.Page(i);
    if (!page->TabVisible()) continue;
    std::string caption = page->Caption();
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = &caption[0];
    SendMessageA(hwnd_, TCM_INSERTITEMA, WPARAM(tabPages_.size()), reinterpret_cast<LPARAM>(&item));
    tabPages_.push_back(page);
  }
  SyncSelection();
  for (TTabSheet* sheet : tabPages_)
    if (sheet->GetPeer()) sheet->GetPeer()->Changed(Change::Bounds);
}

void PageControlPeer::SheetGone(TTabSheet* sheet) {
  auto it = std::find(tabPages_.begin(), tabPages_.end(), sheet);
  if (it == tabPages_.end() || !hwnd_) return;
  Applying guard(*this);
  SendMessageA(hwnd_, TCM_DELETEITEM, WPARAM(it - tabPages_.begin()), 0);
  tabPages_.erase(it);
}

void PageControlPeer::SyncSelection() {
  Applying guard(*this);
  auto it = std::find(tabPages_.begin(), tabPages_.end(), pages_.ActivePage());
  int index = it == tabPages_.end() ? -1 : int(it - tabPages_.begin());
  SendMessageA(hwnd_, TCM_SETCURSEL, WPARAM(index), 0);
}

bool PageControlPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != UINT(TCN_SELCHANGE) || applying()) return false;
  int tab = int(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0));
  result = 0;
  if (tab < 0 || tab >= int(tabPages_.size())) return true;
  std::weak_ptr<int> life = Life();
  pages_.UserSelectPage(tabPages_[std::size_t(tab)]->PageIndex());
  if (!life.expired()) SyncSelection();
  return true;
}

}  // namespace ui::win32
