// The user's decimal separator, as the system itself formats a number with it.
#include "system/win32/WinApi.h"

#include <gtest/gtest.h>

#include <string>

#include "system/Locale.h"

namespace {

TEST(Win32Locale, DecimalSeparatorIsTheOneNumbersAreFormattedWith) {
  const std::string separator = sys::DecimalSeparator();
  ASSERT_FALSE(separator.empty());
  char formatted[32] = {};
  ASSERT_GT(GetNumberFormatA(LOCALE_USER_DEFAULT, 0, "7.5", nullptr, formatted, sizeof formatted),
            0);
  // "7" + separator + "50" (or more decimals): the separator follows the whole part.
  EXPECT_EQ(std::string(formatted).substr(1, separator.size()), separator);
}

}  // namespace
