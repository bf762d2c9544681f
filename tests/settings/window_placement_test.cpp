#include "window_placement.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const QSize kWindow(188, 102);
const QList<QRect> kTwoScreens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};

TEST(PlaceOnScreensTest, KeepsAWindowThatShowsAtAll) {
  const std::pair<QPoint, QPoint> cases[] = {
      {QPoint(-187, -101), QPoint(-187, -101)},  // one pixel still shows
      {QPoint(-188, 100), QPoint(10, 10)},       // just off the left edge
      {QPoint(2304, 0), QPoint(10, 10)},         // right of both
      {QPoint(1100, 768), QPoint(1100, 768)},    // below the first, on the second
      {QPoint(500, 768), QPoint(10, 10)}};       // below the first only
  for (const auto& [stored, expected] : cases)
    EXPECT_EQ(PlaceOnScreens(stored, kWindow, kTwoScreens), expected) << stored.x() << "," << stored.y();
}

TEST(PlaceOnScreensTest, NoScreensGivesTheFallback) {
  EXPECT_EQ(PlaceOnScreens(QPoint(300, 200), kWindow, {}), QPoint(10, 10));
  EXPECT_EQ(PlaceOnScreens(QPoint(5000, 5000), kWindow, kTwoScreens, QPoint(40, 50)), QPoint(40, 50));
}

}  // namespace
