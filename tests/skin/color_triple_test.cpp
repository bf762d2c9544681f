#include "color_triple.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ColorTriple, ReadsRedFromTheLowByteAndDropsTheTopByte) {
  const ColorTriple colour = ColorTriple::FromColorRef(0xFF123456u);
  EXPECT_EQ(colour, (ColorTriple{0x56, 0x34, 0x12}));
  EXPECT_EQ(colour.ToColorRef(), 0x00123456u);
}

TEST(ColorTriple, PrintsItsChannelsForTestFailures) {
  std::ostringstream out;
  PrintTo(ColorTriple{200, 100, 5}, &out);
  EXPECT_EQ(out.str(), "ColorTriple{200, 100, 5}");
}

struct DimCase {
  int divisor;
  ColorTriple expected;
};

class DimColorTest : public ::testing::TestWithParam<DimCase> {};

TEST_P(DimColorTest, DividesEachChannelAndDropsTheRemainder) {
  EXPECT_EQ(DimColor(ColorTriple{200, 100, 5}, GetParam().divisor), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Divisors, DimColorTest,
                         ::testing::Values(DimCase{3, {66, 33, 1}}, DimCase{2, {100, 50, 2}},
                                           DimCase{1, {200, 100, 5}}, DimCase{0, {200, 100, 5}},
                                           DimCase{-4, {200, 100, 5}}, DimCase{201, {0, 0, 0}}));
