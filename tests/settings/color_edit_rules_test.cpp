#include "color_edit_rules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// The window's tests cover the everyday numbers; these are the edges no one
// types by accident.
TEST(ColorEditRulesTest, TextOfAnyLengthKeepsItsLowEightBits) {
  const std::vector<std::pair<const char*, int>> cases = {
      {"-256", 0}, {"", 0}, {"  12x", 12}, {"- 5", 0}, {"4294967297", 1}, {"99999999999999999999999999", 255}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ComponentFromText(text), expected) << '"' << text << '"';
}

// Each row: the request, the value before it, the thumb's place, the value after.
TEST(ColorEditRulesTest, ScrollsMoveByTheirStepWithinTheRange) {
  using enum ScrollRequest;
  const std::tuple<ScrollRequest, int, int, int> cases[] = {
      {LineLeft, 100, 0, 99},   {LineLeft, 0, 0, 0},          {LineRight, 100, 0, 101}, {PageLeft, 100, 0, 36},
      {PageRight, 230, 0, 255}, {ThumbPosition, 7, 300, 255}, {Left, 90, 0, 0},         {Right, 90, 0, 255},
      {EndScroll, 90, 3, 90}};
  for (const auto& [request, value, thumb, after] : cases) {
    EXPECT_EQ(ScrolledComponent(request, value, thumb), after) << static_cast<int>(request) << " from " << value;
  }
}

}  // namespace
