#include "dialog_units.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
  int du, x, y;
};
void PrintTo(const Conversion& conversion, std::ostream* os) { *os << conversion.du << "du"; }

class DialogUnitsTest : public ::testing::TestWithParam<Conversion> {};

// x = du * 6 / 4, y = du * 13 / 8, halves rounded up.
TEST_P(DialogUnitsTest, RoundsToTheNearestPixel) {
  EXPECT_EQ(dialog_units::ToPixelsX(GetParam().du), GetParam().x);
  EXPECT_EQ(dialog_units::ToPixelsY(GetParam().du), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Table, DialogUnitsTest,
                         ::testing::Values(Conversion{1, 2, 2}, Conversion{3, 5, 5},
                                           Conversion{12, 18, 20}, Conversion{14, 21, 23},
                                           Conversion{185, 278, 301}));

TEST(DialogUnitsRectTest, ControlsThatTouchInDialogUnitsTouchInPixels) {
  const QRect left = dialog_units::ToPixels(35, 169, 11, 14);
  EXPECT_EQ(left.right() + 1, dialog_units::ToPixels(46, 169, 11, 14).left());
  EXPECT_EQ(dialog_units::ToPixels(39, 80, 153, 12), QRect(59, 130, 229, 20));
}

}  // namespace
