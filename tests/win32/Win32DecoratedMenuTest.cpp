// The decorated menu on real windows: opened by a right click, owner drawn through the
// hooks (side bar with its caption, items, a sub-menu without bar), and accelerators of the
// owner-drawn items typed while it is open.
#include "ui/win32/WinApi.h"

#include <string>

#include "app/ContextMenuLook.h"
#include "tests/win32/MenuSteps.h"
#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;
using namespace ui;

struct MenuForm : TForm {
  explicit MenuForm(TComponent* owner) : TForm(owner, "FormMenuLook") {
    SetBorderStyle(TBorderStyle::Single);
    SetBounds(40, 40, 300, 200);
    SetCaption("Decorated menu");
    SetPopupMenu(&Menu);
    for (TMenuItem* item : {&mnuAbout, &mnuMove, &mnuSettings, &N1, &mnuIPChanger, &N2, &mnuOpen})
      Menu.Items().Add(*item);
    for (TMenuItem* item : {&mnuConfigure, &N9, &mnuIP00, &mnuIP01}) mnuIPChanger.Add(*item);
    mnuMove.SetEnabled(false);
    mnuSettings.SetChecked(true);
    mnuIP01.SetChecked(true);
    mnuOpen.SetDefault(true);
    ApplyContextMenuLook(*this, Menu).Decoration().SeparatorCaptions["N2"] = "Switcher";
    for (TMenuItem* item : {&mnuAbout, &mnuSettings, &mnuOpen, &mnuConfigure, &mnuIP00})
      item->OnClick = [this](TObject* s) { Log += static_cast<TComponent*>(s)->Name() + ";"; };
  }
  void RightClick() {
    Send(Hwnd(*this), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50));
    Send(Hwnd(*this), WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
    Settle();
  }
  void Key(WPARAM key) { PostMessageA(Hwnd(*this), WM_KEYDOWN, key, 1); }

  std::string Log;
  TPopupMenu Menu{this, "Menu"};
  TMenuItem mnuAbout{this, "mnuAbout", "&About", ShortCut(VK_F1, 0)};
  TMenuItem mnuMove{this, "mnuMove", "&Move window"};
  TMenuItem mnuSettings{this, "mnuSettings", "&Settings", ShortCut('U', scCtrl)};
  TMenuItem N1{this, "N1", "-"};
  TMenuItem mnuIPChanger{this, "mnuIPChanger", "&IP Changer"};
  TMenuItem N2{this, "N2", "-"};
  TMenuItem mnuOpen{this, "mnuOpen", "IP Changer &window..."};
  TMenuItem mnuConfigure{this, "mnuConfigure", "&Configure"};
  TMenuItem N9{this, "N9", "-"};
  TMenuItem mnuIP00{this, "mnuIP00", "Home && garden", ShortCut('0', scCtrl)};
  TMenuItem mnuIP01{this, "mnuIP01", "Office"};
};

bool BarPixel(std::uint32_t p) { return (p & 0xFF00FF) == 0; }  // green to black: no red, no blue

// The longest run of bar pixels in row y.
int BarRun(const screenshot::Capture& shot, int y, int* start = nullptr) {
  int best = 0, run = 0;
  for (int x = 0; x < shot.Width; ++x) {
    run = BarPixel(shot.Pixel(x, y)) ? run + 1 : 0;
    if (run > best) {
      best = run;
      if (start) *start = x - run + 1;
    }
  }
  return best;
}

class Win32DecoratedMenu : public Win32Ui {};

TEST_F(Win32DecoratedMenu, RightClickShowsTheOwnerDrawnMenuAndSubMenu) {
  MenuForm form(&Application());
  form.Show();
  Settle();
  screenshot::Capture top, sub, both;
  std::size_t windows = 0;
  menusteps::WhileOpen([&] { form.RightClick(); },
                       {[&] {
                          const auto menus = menusteps::MenuWindows();
                          if (!menus.empty()) top = menusteps::CaptureWindow(menus[0]);
                          form.Key('I');  // the sub-menu item's accelerator opens it
                        },
                        [&] { form.Key(VK_DOWN); },
                        [&] {
                          const auto menus = menusteps::MenuWindows();
                          windows = menus.size();
                          if (menus.size() > 1) sub = menusteps::CaptureWindow(menus[1]);
                          both = menusteps::CaptureMenus();
                        }});
  EXPECT_TRUE(menusteps::MenuWindows().empty());  // closed again
  EXPECT_EQ(form.Log, "");
  ASSERT_FALSE(top.Empty());
  EXPECT_EQ(windows, 2u);
  EXPECT_TRUE(both.SavePng("..\\screenshots\\win32-decorated-menu.png"));

  // The bar: 25 pixels of green-to-black down the left, bright at the bottom right, dark at
  // the top left, with the white caption on it.
  int left = 0;
  EXPECT_EQ(BarRun(top, 6, &left), 25);
  EXPECT_LT(left, 5);  // only the menu's border before it
  int bottom = top.Height - 1;
  while (bottom > 0 && !BarPixel(top.Pixel(left + 24, bottom))) --bottom;
  EXPECT_GT(bottom, top.Height - 6);
  EXPECT_GT((top.Pixel(left + 24, bottom) >> 8) & 0xFF, 0xA0u);
  EXPECT_LT((top.Pixel(left, 6) >> 8) & 0xFF, 0x60u);
  int white = 0;
  for (int y = 0; y < top.Height; ++y)
    for (int x = left; x < left + 25; ++x) white += top.Pixel(x, y) == 0xFFFFFF ? 1 : 0;
  EXPECT_GT(white, 60);
  // The sub-menu has no bar.
  ASSERT_FALSE(sub.Empty());
  for (int y = 3; y < sub.Height - 3; y += 5) EXPECT_LT(BarRun(sub, y), 10) << y;
}

TEST_F(Win32DecoratedMenu, AcceleratorsOfOwnerDrawnItemsChooseThem) {
  MenuForm form(&Application());
  form.Show();
  Settle();
  menusteps::WhileOpen([&] { form.RightClick(); }, {[&] { form.Key('S'); }});
  menusteps::WhileOpen([&] { form.RightClick(); }, {[&] { form.Key('M'); }});  // greyed
  menusteps::WhileOpen([&] { form.RightClick(); },
                       {[&] { form.Key('I'); }, [&] { form.Key('C'); }});  // in the sub-menu
  EXPECT_EQ(form.Log, "mnuSettings;mnuConfigure;");
}

}  // namespace
