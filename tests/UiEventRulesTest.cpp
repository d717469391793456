// The event rules table (tests/EventRules.h) driven through the headless backend; the same
// table runs against real windows in tests/win32/Win32EventRulesTest.cpp.
#include <gtest/gtest.h>

#include "tests/EventRules.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using namespace eventrules;

class HeadlessInput : public InputDriver {
 public:
  explicit HeadlessInput(headless::HeadlessBackend& ui) : ui_(ui) {}
  void Show(EventForm& form) override { form.Show(); }
  void Click(TControl& control) override { ui_.Click(control); }
  void RightClick(TControl& control, TMenuItem* choose) override {
    ui_.RightClick(control);
    if (choose) ui_.ClickMenu(*choose);
  }
  void Type(TEdit& edit, const std::string& chars) override { ui_.Type(edit, chars); }
  void Type(TComboBox& combo, const std::string& chars) override { ui_.Type(combo, chars); }
  void Pick(TComboBox& combo, int index) override { ui_.Select(combo, index); }
  void Pick(TListBox& list, int index) override { ui_.Select(list, index); }
  void PickPage(TPageControl& pages, int pageIndex) override { ui_.SelectPage(pages, pageIndex); }
  void Slide(TTrackBar& bar, int position) override { ui_.SetTrackBar(bar, position); }
  void Focus(TWinControl& control) override { ui_.Focus(control); }
  void Key(TForm& form, std::uint16_t key) override { ui_.PressKey(form, key); }
  void AltKey(TForm& form, char ch) override { ui_.PressAlt(form, ch); }
  void CharKey(TForm& form, char ch) override { ui_.PressChar(form, ch); }
  void CloseButton(TForm& form) override { ui_.CloseByUser(form); }

 private:
  headless::HeadlessBackend& ui_;
};

TEST(UiEventRules, EveryRuleHoldsHeadless) {
  auto& ui = headless::Install();
  HeadlessInput input(ui);
  for (const EventRule& rule : Rules()) {
    SCOPED_TRACE(rule.Name);
    EventForm form(&Application());
    input.Show(form);
    form.Log.clear();
    rule.Act(form, input);
    EXPECT_EQ(form.Log, rule.Expected);
  }
  EXPECT_TRUE(ui.Unexpected().empty());
}

}  // namespace
