#include "window_placement.h"

#include <gtest/gtest.h>

namespace {

const QSize kWindow(188, 102);
const QList<QRect> kTwoScreens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};

struct PlacementCase {
  QPoint stored;
  QPoint expected;
};

class PlaceOnScreensTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceOnScreensTest, KeepsAWindowThatShowsAtAll) {
  EXPECT_EQ(PlaceOnScreens(GetParam().stored, kWindow, kTwoScreens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PlaceOnScreensTest,
    ::testing::Values(PlacementCase{QPoint(-187, -101), QPoint(-187, -101)},  // one pixel still shows
                      PlacementCase{QPoint(-188, 100), QPoint(10, 10)},       // just off the left edge
                      PlacementCase{QPoint(2304, 0), QPoint(10, 10)},         // right of both
                      PlacementCase{QPoint(1100, 768), QPoint(1100, 768)},    // below the first, on the second
                      PlacementCase{QPoint(500, 768), QPoint(10, 10)}));      // below the first only

TEST(PlaceOnScreensTest, NoScreensGivesTheFallback) {
  EXPECT_EQ(PlaceOnScreens(QPoint(300, 200), kWindow, {}), QPoint(10, 10));
  EXPECT_EQ(PlaceOnScreens(QPoint(5000, 5000), kWindow, kTwoScreens, QPoint(40, 50)), QPoint(40, 50));
}

}  // namespace
