// Owner-drawn menus on the recording canvas: the hooks, the decorated menu's side bar,
// separators and items, and the indicator's context menu drawn with the product's look.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/ContextMenuLook.h"
#include "tests/IndicatorFixture.h"
#include "ui/Ui.h"
#include "ui/headless/RecordingCanvas.h"

using namespace ui;
using ui::headless::CanvasOp;
using ui::headless::ShowMenu;
using ui::headless::ShownItem;

namespace {

struct MenuForm : TForm {
  explicit MenuForm(TComponent* owner) : TForm(owner, "FormMenu") {
    for (TMenuItem* item : {&mnuAbout, &mnuMove, &mnuSettings, &N1, &mnuIPChanger, &mnuOpen})
      Menu.Items().Add(*item);
    for (TMenuItem* item : {&mnuConfigure, &N9, &mnuIP00, &mnuIP01, &mnuIP02})
      mnuIPChanger.Add(*item);
    mnuMove.SetEnabled(false);
    mnuSettings.SetChecked(true);
    mnuOpen.SetDefault(true);
    mnuIP01.SetChecked(true);
    mnuIP02.SetVisible(false);
    ApplyContextMenuLook(*this, Menu);
  }
  TDecoratedMenu& Look() { return *static_cast<TDecoratedMenu*>(FindComponent("PopupMenuLook")); }

  TPopupMenu Menu{this, "Menu"};
  TMenuItem mnuAbout{this, "mnuAbout", "&About", ShortCut(VK_F1, 0)};
  TMenuItem mnuMove{this, "mnuMove", "Move window"};
  TMenuItem mnuSettings{this, "mnuSettings", "Settings", ShortCut('U', scCtrl)};
  TMenuItem N1{this, "N1", "-"};
  TMenuItem mnuIPChanger{this, "mnuIPChanger", "IP Changer"};
  TMenuItem mnuOpen{this, "mnuOpen", "Fish && chips..."};
  TMenuItem mnuConfigure{this, "mnuConfigure", "Configure"};
  TMenuItem N9{this, "N9", "-"};
  TMenuItem mnuIP00{this, "mnuIP00", "Home"};
  TMenuItem mnuIP01{this, "mnuIP01", "Office"};
  TMenuItem mnuIP02{this, "mnuIP02", "Hidden"};
};

const CanvasOp* Find(const ShownItem& item, std::function<bool(const CanvasOp&)> match) {
  auto it = std::find_if(item.Ops.begin(), item.Ops.end(), match);
  return it == item.Ops.end() ? nullptr : &*it;
}

const CanvasOp* TextOp(const ShownItem& item, const std::string& text) {
  // The last one: an engraved (greyed) text is drawn twice, the visible copy last.
  const CanvasOp* found = nullptr;
  for (const CanvasOp& op : item.Ops)
    if (op.What == CanvasOp::Words && op.Text == text) found = &op;
  return found;
}

const ShownItem& Shown(const std::vector<ShownItem>& items, const TMenuItem& item) {
  return *std::find_if(items.begin(), items.end(),
                       [&](const ShownItem& s) { return s.Item == &item; });
}

class DecoratedMenu : public testing::Test {
 protected:
  void SetUp() override { headless::Install(); }
};

}  // namespace

TEST_F(DecoratedMenu, HooksOfTheItemComeBeforeTheMenus) {
  TForm form(&Application(), "FormHooks");
  TPopupMenu menu(&form, "Menu");
  TMenuItem plain(&form, "Plain", "Plain"), own(&form, "Own", "Own");
  menu.Items().Add(plain);
  menu.Items().Add(own);
  EXPECT_FALSE(menu.OwnerDraws(plain));  // the system draws it
  std::string log;
  own.OnMeasureItem = [&](TMenuItem&, TCanvas&, int& w, int& h) { w = 7, h = 9, log += "own;"; };
  EXPECT_FALSE(menu.OwnerDraws(own));  // a measure hook alone is not enough
  menu.OnMeasureItem = [&](TMenuItem&, TCanvas&, int& w, int& h) { w = 1, h = 2, log += "menu;"; };
  menu.OnDrawItem = [&](TMenuItem& i, TCanvas&, const sys::Rect&, const TOwnerDrawState&) {
    log += "draw " + i.Name() + ";";
  };
  EXPECT_TRUE(menu.OwnerDraws(plain));
  EXPECT_TRUE(menu.OwnerDraws(own));
  const auto shown = ShowMenu(menu, menu.Items());
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Rect, (sys::Rect{0, 0, 7, 2}));  // as wide as the widest
  EXPECT_EQ(shown[1].Rect, (sys::Rect{0, 2, 7, 11}));
  EXPECT_EQ(log, "menu;own;draw Plain;draw Own;");
}

TEST_F(DecoratedMenu, SideBarRunsDownTheWholeTopLevel) {
  MenuForm form(&Application());
  const auto shown = ShowMenu(form.Menu, form.Menu.Items());
  ASSERT_EQ(shown.size(), 6u);
  const int total = shown.back().Rect.Bottom;
  for (const ShownItem& s : shown) {
    SCOPED_TRACE(s.Item->Name());
    // Every item draws the one bar (clipped to itself): 25 wide, from the column's top.
    const CanvasOp* bar = Find(s, [](const CanvasOp& op) { return op.What == CanvasOp::Gradient; });
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Rect, (sys::Rect{0, 0, 25, total}));
    EXPECT_EQ(bar->Color, 49152);
    EXPECT_EQ(bar->EndColor, clBlack);
    EXPECT_EQ(bar->Direction, TGradientDirection::DiagonalRightToLeft);
    // Nothing else of the item reaches into the bar.
    for (const CanvasOp& op : s.Ops) {
      if (&op != bar && op.What != CanvasOp::WordsUp) {
        EXPECT_GE(op.Rect.Left, 25);
      }
    }
  }
  // The caption: reading upwards from near the bar's bottom, centred, shadow first.
  std::vector<CanvasOp> up;
  for (const CanvasOp& op : shown.front().Ops)
    if (op.What == CanvasOp::WordsUp) up.push_back(op);
  ASSERT_EQ(up.size(), 2u);
  EXPECT_EQ(up[0].Color, clBlack);
  EXPECT_EQ(up[1].Color, clWhite);
  EXPECT_EQ(up[0].Rect.Left, up[1].Rect.Left + 1);
  EXPECT_EQ(up[0].Rect.Bottom, up[1].Rect.Bottom + 1);
  EXPECT_EQ(up[1].Text, "Quonthary");
  EXPECT_EQ(up[1].Font.Name, "Verdana");
  EXPECT_TRUE(up[1].Font.Bold);
  EXPECT_EQ(up[1].Font.Height, 19);
  EXPECT_EQ(up[1].Rect.Bottom, total - menulook::kCaptionMargin);
  EXPECT_EQ(up[1].Rect.Left + up[1].Rect.Right, 25);  // centred on the bar
  EXPECT_GE(up[1].Rect.Top, 0);                       // fits
}

TEST_F(DecoratedMenu, ItemsShowTheirStatesInTheItemFont) {
  MenuForm form(&Application());
  const auto shown = ShowMenu(form.Menu, form.Menu.Items(), &form.mnuMove);
  const int right = shown.front().Rect.Right;

  const CanvasOp* about = TextOp(Shown(shown, form.mnuAbout), "&About");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->Font.Name, "MS Sans Serif");
  EXPECT_EQ(about->Font.Height, 11);
  EXPECT_FALSE(about->Font.Bold);
  EXPECT_TRUE(about->Prefixes);  // "&A" underlines A
  EXPECT_EQ(about->Color, clMenuText);
  EXPECT_EQ(about->Rect.Left, 25 + menulook::kTextIndent);

  // The default item in bold; "&&" shown as "&" (measured so).
  const CanvasOp* open = TextOp(Shown(shown, form.mnuOpen), "Fish && chips...");
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(open->Font.Bold);

  // Shortcuts right-aligned on one edge, left of the arrow column, clear of the captions.
  const int shortcutRight = right - menulook::kArrowWidth - menulook::kRightMargin;
  for (auto [item, text] :
       {std::pair<TMenuItem*, const char*>{&form.mnuAbout, "F1"}, {&form.mnuSettings, "Ctrl+U"}}) {
    const CanvasOp* shortcut = TextOp(Shown(shown, *item), text);
    ASSERT_NE(shortcut, nullptr) << text;
    EXPECT_EQ(shortcut->Alignment, TAlignment::RightJustify);
    EXPECT_EQ(shortcut->Rect.Right, shortcutRight);
    EXPECT_FALSE(shortcut->Prefixes);
  }
  const int cw = headless::HeadlessBackend::CharWidth(about->Font);
  const int captionEnd = 25 + menulook::kTextIndent + 8 * cw;              // "Settings"
  EXPECT_LE(captionEnd + menulook::kShortcutGap, shortcutRight - 6 * cw);  // "Ctrl+U"

  // The check mark; the greyed item engraved and not highlighted though under the mouse.
  const ShownItem& settings = Shown(shown, form.mnuSettings);
  EXPECT_NE(Find(settings, [](const CanvasOp& op) { return op.What == CanvasOp::Check; }), nullptr);
  const ShownItem& move = Shown(shown, form.mnuMove);
  const CanvasOp* moveText = TextOp(move, "Move window");
  ASSERT_NE(moveText, nullptr);
  EXPECT_EQ(moveText->Color, clGrayText);
  EXPECT_NE(Find(move, [](const CanvasOp& op) { return op.Color == clBtnHighlight; }), nullptr);
  EXPECT_EQ(Find(move, [](const CanvasOp& op) { return op.Color == clHighlight; }), nullptr);
  EXPECT_EQ(Find(move, [](const CanvasOp& op) { return op.What == CanvasOp::Check; }), nullptr);

  // Only the item with a sub-menu has an arrow.
  for (const ShownItem& s : shown)
    EXPECT_EQ(Find(s, [](const CanvasOp& op) { return op.What == CanvasOp::Arrow; }) != nullptr,
              s.Item == &form.mnuIPChanger)
        << s.Item->Name();
}

TEST_F(DecoratedMenu, HoverHighlightsTheItem) {
  MenuForm form(&Application());
  const auto shown = ShowMenu(form.Menu, form.Menu.Items(), &form.mnuSettings);
  const ShownItem& settings = Shown(shown, form.mnuSettings);
  const CanvasOp* fill = Find(settings, [](const CanvasOp& op) { return op.Color == clHighlight; });
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->Rect,
            (sys::Rect{25, settings.Rect.Top, settings.Rect.Right, settings.Rect.Bottom}));
  EXPECT_EQ(TextOp(settings, "Settings")->Color, clHighlightText);
  EXPECT_EQ(TextOp(settings, "Ctrl+U")->Color, clHighlightText);
  EXPECT_EQ(TextOp(Shown(shown, form.mnuAbout), "&About")->Color, clMenuText);
}

TEST_F(DecoratedMenu, SeparatorsAreFadingLinesWithTheirCaption) {
  MenuForm form(&Application());
  auto lines = [](const ShownItem& s) {
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : s.Ops)
      if (op.What == CanvasOp::Gradient && op.Rect.Left >= 25) found.push_back(op);
    return found;
  };
  auto shown = ShowMenu(form.Menu, form.Menu.Items());
  const ShownItem& plain = Shown(shown, form.N1);
  EXPECT_EQ(plain.Rect.Height(), menulook::kSeparatorHeight);
  std::vector<CanvasOp> two = lines(plain);
  ASSERT_EQ(two.size(), 2u);
  // Flat (one pixel), meeting in the middle: fading in, then out again.
  EXPECT_EQ(two[0].Rect.Height(), 1);
  EXPECT_EQ(two[0].Rect.Right, two[1].Rect.Left);
  EXPECT_EQ(two[0].Color, clMenu);
  EXPECT_EQ(two[0].EndColor, clBtnShadow);
  EXPECT_EQ(two[1].Color, clBtnShadow);
  EXPECT_EQ(two[1].EndColor, clMenu);

  form.Look().Decoration().SeparatorCaptions["n1"] = "Profiles";
  shown = ShowMenu(form.Menu, form.Menu.Items());
  const ShownItem& captioned = Shown(shown, form.N1);
  const CanvasOp* caption = TextOp(captioned, "Profiles");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Alignment, TAlignment::Center);
  EXPECT_EQ(caption->Color, clGrayText);
  two = lines(captioned);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_LT(two[0].Rect.Right, caption->Rect.Left);  // the lines leave the caption free
  EXPECT_GT(two[1].Rect.Left, caption->Rect.Right - 1);
  EXPECT_GT(captioned.Rect.Height(), menulook::kSeparatorHeight);
}

TEST_F(DecoratedMenu, SubMenusHaveNoBarAndShowTheirVisibleItems) {
  MenuForm form(&Application());
  const auto shown = ShowMenu(form.Menu, form.mnuIPChanger, &form.mnuIP00);
  ASSERT_EQ(shown.size(), 4u);  // the hidden one is left out
  for (const ShownItem& s : shown)
    for (const CanvasOp& op : s.Ops) EXPECT_NE(op.What, CanvasOp::WordsUp);
  const CanvasOp* home = TextOp(Shown(shown, form.mnuIP00), "Home");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->Rect.Left, menulook::kTextIndent);
  EXPECT_EQ(home->Color, clHighlightText);
  EXPECT_NE(Find(Shown(shown, form.mnuIP01),
                 [](const CanvasOp& op) { return op.What == CanvasOp::Check; }),
            nullptr);
}

TEST_F(DecoratedMenu, AShortMenuMakesRoomForTheBarCaption) {
  TForm form(&Application(), "FormShort");
  TPopupMenu menu(&form, "Menu");
  TMenuItem only(&form, "Only", "Only");
  menu.Items().Add(only);
  ApplyContextMenuLook(form, menu);
  const auto shown = ShowMenu(menu, menu.Items());
  ASSERT_EQ(shown.size(), 1u);
  TFont bar;
  bar.Height = 19;
  const int captionWidth = 9 * headless::HeadlessBackend::CharWidth(bar);
  EXPECT_GE(shown[0].Rect.Height(), captionWidth + 2 * menulook::kCaptionMargin);
  // The item keeps its own height at the top; no highlight runs into the room below.
  const auto hovered = ShowMenu(menu, menu.Items(), &only);
  const CanvasOp* fill =
      Find(hovered[0], [](const CanvasOp& op) { return op.Color == clHighlight; });
  ASSERT_NE(fill, nullptr);
  TFont item;  // MS Sans Serif, 11 px
  EXPECT_EQ(fill->Rect.Height(), headless::HeadlessBackend::LineHeight(item) + 6);
  EXPECT_LT(fill->Rect.Height(), hovered[0].Rect.Height());
}

TEST_F(DecoratedMenu, GoingBackToAPlainMenu) {
  MenuForm form(&Application());
  EXPECT_TRUE(form.Menu.OwnerDraws(form.mnuAbout));
  form.Look().SetMenu(nullptr);
  EXPECT_FALSE(form.Menu.OwnerDraws(form.mnuAbout));
}

class IndicatorMenuLook : public testing_support::IndicatorFixture {};

TEST_F(IndicatorMenuLook, ContextMenuIsDecorated) {
  TFormQuonthary& ind = Start();
  ASSERT_TRUE(ind.PopupMenu.OwnerDraws(ind.mnuAbout));
  const auto shown = ShowMenu(ind.PopupMenu, ind.PopupMenu.Items());
  ASSERT_FALSE(shown.empty());
  const CanvasOp* bar =
      Find(shown.front(), [](const CanvasOp& op) { return op.What == CanvasOp::Gradient; });
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Rect.Width(), 25);
  EXPECT_EQ(bar->Color, 0x00C000);
  const CanvasOp* dialog =
      TextOp(Shown(shown, ind.mnuIPChangerDialog), ind.mnuIPChangerDialog.Caption());
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->Font.Bold);
  EXPECT_EQ(dialog->Font.Name, "MS Sans Serif");
}
