// Buttons and menu items made in a loop at run time, on real windows: each button gets its
// window (also one made after the form is shown), its translated text and its tooltip; the
// context menu shows the items; a destroyed one leaves no window or tooltip behind.
// Before <windows.h>: the fixture's header names key codes that <windows.h> makes macros.
#include "tests/IndicatorFixture.h"
// Then the system's headers.
#include "ui/win32/WinApi.h"

#include <filesystem>
#include <fstream>

#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "tests/RunTimeForm.h"
#include "tests/win32/Win32Fixture.h"
#include "ui/win32/Peers.h"
#include "ui/win32/PopupMenus.h"

namespace {

using namespace win32test;
using namespace runtimeform;

int ToolCount(ui::TForm& form) {
  Settle();  // the tools are rebuilt once the queued messages are handled
  return static_cast<ui::win32::FormPeer*>(form.GetPeer())->Hints().ToolCount();
}

std::string MenuText(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, UINT(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class Win32RunTimeComponents : public Win32Ui {};

TEST_F(Win32RunTimeComponents, LoopMadeControlsHaveWindowsTextsTipsAndMenuItems) {
  testing_support::ScratchDir dir;
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "Test.lng", std::ios::binary) << LanguageText();
  TFormLanguage holder(&ui::Application());
  holder.SetLanguageFile("Test.lng");

  LoopForm form(&ui::Application());
  form.Show();
  TranslateForm(form, holder, dir.Dir());  // after the windows exist, as a show handler does
  Settle();
  for (int i = 0; i <= 20; ++i) {
    HWND button = Hwnd(form.Button(i));
    ASSERT_TRUE(IsWindow(button)) << i;
    EXPECT_EQ(GetParent(button), Hwnd(form.Panel));
  }
  EXPECT_EQ(TextOf(Hwnd(form.Button(3))), "B\xFCro");
  EXPECT_EQ(TextOf(Hwnd(form.Button(4))), "Profile 04");
  EXPECT_EQ(ToolCount(form), 21);

  // A real click reaches the shared handler with the button's index.
  Send(Hwnd(form.Button(17)), BM_CLICK);
  Settle();
  EXPECT_EQ(form.Clicked, std::vector<int>{17});

  // One more, made while the form is shown, gets a window and a tooltip at once.
  auto& late = form.Create<ui::TButton>("btnIP21", &form.Panel, ui::Bounds{8, 4, 40, 22}, "x");
  late.SetHint("late");
  late.SetShowHint(true);
  EXPECT_TRUE(IsWindow(Hwnd(late)));
  EXPECT_EQ(ToolCount(form), 22);
  HWND gone = Hwnd(form.Button(10));
  ASSERT_TRUE(form.DestroyComponent(&form.Button(10)));
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(ToolCount(form), 21);

  // The context menu as the system gets it: the sub-menu with every item, translated.
  ui::win32::BuiltMenu built(form.Menu.Items());
  EXPECT_EQ(MenuText(built.Get(), 0), "IP-Wechsler");
  HMENU sub = GetSubMenu(built.Get(), 0);
  ASSERT_NE(sub, nullptr);
  ASSERT_EQ(GetMenuItemCount(sub), 21);
  EXPECT_EQ(MenuText(sub, 3), "B\xFCro");
  EXPECT_EQ(MenuText(sub, 20), "Hotel");
  EXPECT_EQ(built.ItemFor(GetMenuItemID(sub, 12)), &form.Item(12));
}

}  // namespace
