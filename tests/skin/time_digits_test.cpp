#include "time_digits.h"

#include <gtest/gtest.h>

namespace {

struct ShownCase {
  int mode;
  std::uint32_t time;
  std::uint32_t length;
  std::uint32_t shown;
};

class ShownSecondsTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownSecondsTest, FollowsTheMode) {
  const ShownCase& c = GetParam();
  EXPECT_EQ(ShownSeconds(c.mode, c.time, c.length), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Modes, ShownSecondsTest,
                         ::testing::Values(ShownCase{kTimeElapsed, 60, 185, 60}, ShownCase{kTimeRemaining, 60, 185, 125},
                                           ShownCase{kTimeTotal, 60, 185, 185},
                                           // A time past the length counts down to 0:00, never wraps.
                                           ShownCase{kTimeRemaining, 186, 185, 0}, ShownCase{7, 60, 185, 60}));

TEST(NextTimeMode, CyclesThroughTheThreeModesAndMendsAnUnknownOne) {
  EXPECT_EQ(NextTimeMode(kTimeElapsed), kTimeRemaining);
  EXPECT_EQ(NextTimeMode(kTimeRemaining), kTimeTotal);
  EXPECT_EQ(NextTimeMode(kTimeTotal), kTimeElapsed);
  EXPECT_EQ(NextTimeMode(-3), kTimeElapsed);
}

TEST(SplitTime, GivesMinutesAndSecondsDigits) {
  const TimeDigits digits = SplitTime(6000 + 599);
  EXPECT_EQ(digits.tensOfMinutes, 10u);
  EXPECT_EQ(digits.minutes, 9u);
  EXPECT_EQ(digits.tensOfSeconds, 5u);
  EXPECT_EQ(digits.seconds, 9u);
}

}  // namespace
