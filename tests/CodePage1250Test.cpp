// Windows-1250 text as UTF-16, and the wide message box that shows it.
#include <gtest/gtest.h>

#include "i18n/CodePage1250.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

TEST(CodePage1250, PolishLettersAndTheRest) {
  EXPECT_EQ(i18n::WideFromWindows1250("Uzupe\xB3nij po\xB3\xB9"
                                      "czenie"),
            u"Uzupełnij połączenie");
  EXPECT_EQ(i18n::WideFromWindows1250("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"), u"ĄĆĘŁŃÓŚŹŻ");
  EXPECT_EQ(i18n::WideFromWindows1250("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"), u"ąćęłńóśźż");
  EXPECT_EQ(i18n::WideFromWindows1250("\x80 \x96 \x84quote\x94"), u"€ – „quote”");
  // Plain ASCII, a zero byte included, stays as it is.
  const std::string ascii("A z\t0~\0!", 8);
  EXPECT_EQ(i18n::WideFromWindows1250(ascii), std::u16string(u"A z\t0~\0!", 8));
  // The five unassigned bytes become the control characters of their number.
  EXPECT_EQ(i18n::WideFromWindows1250("\x81\x83\x88\x90\x98"), u"\u0081\u0083\u0088\u0090\u0098");
  EXPECT_EQ(i18n::WideFromWindows1250("\xFF"), u"\u02D9");
  EXPECT_TRUE(i18n::WideFromWindows1250("").empty());
}

TEST(WideMessageBox, IsRecordedAsUtf8AndAnsweredLikeAnyBox) {
  auto& backend = ui::headless::Install();
  backend.AnswerMessageBox(ui::ID_Cancel);
  EXPECT_EQ(ui::Application().MessageBoxWide(u"Zażółć € \U0001F600", u"Quonthary", ui::MB_OkCancel),
            ui::ID_Cancel);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_TRUE(backend.MessageBoxes()[0].Wide);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, "Zażółć € \U0001F600");
  EXPECT_EQ(backend.MessageBoxes()[0].Caption, "Quonthary");
  EXPECT_EQ(backend.MessageBoxes()[0].Result, ui::ID_Cancel);
  // An unexpected one gets its first button, as an 8-bit box does.
  EXPECT_EQ(ui::Application().MessageBoxWide(u"?", u"Q", ui::MB_Ok), ui::ID_Ok);
  EXPECT_EQ(backend.Unexpected().size(), 1u);
  ui::Application().MessageBox("plain", "Q", ui::MB_Ok);
  EXPECT_FALSE(backend.MessageBoxes().back().Wide);
  ui::headless::Install();
}

}  // namespace
