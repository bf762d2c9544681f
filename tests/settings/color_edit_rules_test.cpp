#include "color_edit_rules.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The window's tests cover the everyday numbers and requests; these are the
// edges no one types by accident.
TEST(ColorEditRulesTest, TextOfAnyLengthKeepsItsLowEightBits) {
  const std::vector<std::pair<const char*, int>> cases = {
      {"-256", 0}, {"", 0}, {"  12x", 12}, {"- 5", 0}, {"4294967297", 1}, {"99999999999999999999999999", 255}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ComponentFromText(text), expected) << '"' << text << '"';
}

TEST(ColorEditRulesTest, ScrollsStayWithinTheRange) {
  EXPECT_EQ(ScrolledComponent(ScrollRequest::PageLeft, 100, 0), 36);
  EXPECT_EQ(ScrolledComponent(ScrollRequest::LineLeft, 0, 0), 0);
  EXPECT_EQ(ScrolledComponent(ScrollRequest::ThumbPosition, 7, 300), 255);
  EXPECT_EQ(ScrolledComponent(ScrollRequest::Right, 90, 0), 255);
  EXPECT_EQ(ScrolledComponent(ScrollRequest::EndScroll, 90, 3), 90);
}

}  // namespace
