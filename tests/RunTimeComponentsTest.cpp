// Buttons and menu items made in a loop at run time: found by name (any letter case),
// translated from a language file, clicked through the one handler, destroyed singly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "tests/IndicatorFixture.h"
#include "tests/RunTimeForm.h"
#include "ui/headless/HeadlessBackend.h"

using namespace runtimeform;

TEST(RunTimeComponents, LoopMadeControlsAreFoundTranslatedAndClicked) {
  auto& ui = ui::headless::Install();
  testing_support::ScratchDir dir;
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "Test.lng", std::ios::binary) << LanguageText();
  TFormLanguage holder(&ui::Application());
  holder.SetLanguageFile("Test.lng");

  LoopForm form(&ui::Application());
  // A window the form owns has a section of its own: its parts are not the form's.
  auto& owned = form.Create<ui::TForm>("FormOwned");
  auto& ownedButton = owned.Create<ui::TButton>("btnIP03", &owned, ui::Bounds{}, "Mine");
  EXPECT_EQ(form.Panel.ControlCount(), 21);
  EXPECT_EQ(form.mnuIPChanger.Count(), 21);
  EXPECT_EQ(form.FindComponent("BTNIP07"), &form.Button(7));
  EXPECT_EQ(form.mnuIPChanger.Item(12), &form.Item(12));
  EXPECT_EQ(form.FindComponent("btnIP21"), nullptr);

  TranslateForm(form, holder, dir.Dir());
  EXPECT_EQ(form.Button(3).Caption(), "B\xFCro");
  EXPECT_EQ(form.Button(20).Caption(), "&Hotel");
  EXPECT_EQ(form.Button(4).Caption(), "Profile 04");
  EXPECT_EQ(form.Item(3).Caption(), "B\xFCro");
  EXPECT_EQ(form.Item(20).Caption(), "Hotel");
  EXPECT_EQ(form.mnuIPChanger.Caption(), "IP-Wechsler");
  EXPECT_EQ(ownedButton.Caption(), "Mine");

  form.Show();
  ui.Click(form.Button(3));
  ui.PressAlt(form, 'h');  // the translated caption's accelerator
  ui.ClickMenu(form.Item(12));
  ui.ClickMenu(form.Item(0));
  EXPECT_EQ(form.Clicked, (std::vector<int>{3, 20, 12, 0}));

  // One goes away: the rest stay, in order.
  ASSERT_TRUE(form.DestroyComponent(&form.Button(10)));
  ASSERT_TRUE(form.mnuIPChanger.DestroyComponent(&form.Item(10)));
  EXPECT_EQ(form.FindComponent("btnIP10"), nullptr);
  EXPECT_EQ(form.Panel.ControlCount(), 20);
  EXPECT_EQ(form.mnuIPChanger.Count(), 20);
  EXPECT_EQ(form.mnuIPChanger.Item(10), &form.Item(11));
  EXPECT_TRUE(ui.Unexpected().empty());
}
