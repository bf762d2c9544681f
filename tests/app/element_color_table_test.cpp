#include "element_color_table.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The defaults as the settings store them, 0x00BBGGRR, in element order.
constexpr std::uint32_t kDefaultRefs[kElementCount] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x00AEFF, 0x00AEFF, 0x00AEFF, 0x00AEFF, 0x00AEFF, 0x00FFFF,
    0x00FFFF, 0x00C800, 0x00C800, 0x00FF00, 0x00C800, 0x00C800, 0x00FF00, 0x00C800, 0x00AEFF,
    0xFFFFC8, 0x00FFFF, 0xFFC8C8, 0xFFC8C8, 0x00FFFF, 0x00FFFF, 0x00FF00,
};

class DefaultColourTest : public ::testing::TestWithParam<int> {};

TEST_P(DefaultColourTest, StartsAtTheStoredDefault) {
  const int k = GetParam();
  EXPECT_EQ(ElementColorTable().GetColor(k), ColorTriple::FromColorRef(kDefaultRefs[k]));
}

INSTANTIATE_TEST_SUITE_P(AllElements, DefaultColourTest, ::testing::Range(0, kElementCount));

TEST(ElementColorTableTest, KeepsColoursOnlyForElements) {
  ElementColorTable table;
  table.SetColor(24, {1, 2, 3});
  table.SetColor(25, {4, 5, 6});
  table.SetColor(-1, {4, 5, 6});
  EXPECT_EQ(table.GetColor(24), (ColorTriple{1, 2, 3}));
  EXPECT_EQ(table.GetColor(25), ColorTriple{});
  EXPECT_EQ(table.GetColor(-1), ColorTriple{});
  EXPECT_EQ(table.GetColor(0), (ColorTriple{255, 255, 255}));
}

}  // namespace
