#include "dialog_units.h"

#include <gtest/gtest.h>

namespace {

// Halves round up (39 du is 58.5 pixels across), and a control's right edge is
// where the next one starts, so controls that touch in dialog units leave no
// gap in pixels.
TEST(DialogUnitsTest, ControlsThatTouchInDialogUnitsTouchInPixels) {
  const QRect left = dialog_units::ToPixels(35, 169, 11, 14);
  EXPECT_EQ(left.right() + 1, dialog_units::ToPixels(46, 169, 11, 14).left());
  EXPECT_EQ(dialog_units::ToPixels(39, 80, 153, 12), QRect(59, 130, 229, 20));
}

}  // namespace
