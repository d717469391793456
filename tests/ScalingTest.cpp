// Design values at a monitor's DPI: rounded as Windows' MulDiv rounds, edges scaled so that
// neighbours stay neighbours, and measured text given room wherever it starts.
#include <gtest/gtest.h>

#include "ui/Scaling.h"

namespace {

TEST(Scaling, RoundsAsMulDiv) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  for (const Case& c : {Case{5, 120, 96, 6},          // 6.25
                        Case{3, 144, 96, 5},          // 4.5: halves away from zero
                        Case{-3, 144, 96, -5},        // the parked arrows' -100 and such
                        Case{-5, 120, 96, -6},        // -6.25
                        Case{7, 96, 144, 5},          // 4.67, back to design
                        Case{1, 1, -2, -1},           // a negative divisor gives the sign
                        Case{-1, -1, 2, 1},           //
                        Case{9, 1, 0, -1},            // no divisor
                        Case{0x40000000, 4, 1, -1}})  // does not fit
    EXPECT_EQ(ui::MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(Scaling, KeepsDesignValuesAt96AndComesBackFromAbove) {
  const ui::Scaling design;
  EXPECT_TRUE(design.Identity());
  EXPECT_EQ(design.ToPixels(-5000), -5000);
  EXPECT_EQ(design.DesignLength(37), 37);
  // A label's 13 pixels at 150 % hold 19.5: 20, never 19.
  EXPECT_EQ((ui::Scaling{144}.ToPixelsAtLeast(13)), 20);
  EXPECT_EQ((ui::Scaling{120}.ToPixelsAtLeast(12)), 15);
  for (int dpi : {120, 144, 192})
    for (int v = -120; v <= 600; ++v) {
      const ui::Scaling s{dpi};
      ASSERT_EQ(s.ToDesign(s.ToPixels(v)), v) << v << " at " << dpi;
    }
}

TEST(Scaling, EdgesKeepNeighboursApartAndTextFitsAnywhere) {
  const ui::Scaling s{144};
  // Two controls side by side at 0..3 and 3..6: their pixels meet without overlapping.
  EXPECT_EQ(s.ToPixels(sys::Rect{1, 0, 3, 21}), (sys::Rect{2, 0, 5, 32}));
  EXPECT_EQ(s.ToPixels(sys::Rect{3, 0, 6, 21}).Left, 5);
  // No wider than needed: 45 design pixels show 67 or 68, so a word of 67 takes 45.
  EXPECT_EQ(s.DesignLength(67), 45);
  for (int dpi : {120, 144, 168, 192})
    for (int measured = 0; measured < 300; ++measured)
      for (int left = -8; left < 8; ++left) {
        const ui::Scaling at{dpi};
        const int length = at.DesignLength(measured);
        ASSERT_GE(at.ToPixels(left + length) - at.ToPixels(left), measured)
            << measured << " px at " << dpi << " from " << left;
      }
}

}  // namespace
