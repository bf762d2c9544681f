#include "raster_op.h"

#include <gtest/gtest.h>

#include "picture_buffer.h"

namespace {

constexpr ColorTriple kDestination{0b1100, 0xF0, 0x00};
constexpr ColorTriple kSource{0b1010, 0x0F, 0xFF};

struct OpCase {
  RasterOp op;
  ColorTriple expected;
};

class RasterOpTest : public ::testing::TestWithParam<OpCase> {};

TEST_P(RasterOpTest, CombinesEachChannelBitwise) {
  PixelBuffer destination(1, 1, kDestination);
  BitBlt(destination, 0, 0, 1, 1, PixelBuffer(1, 1, kSource), 0, 0, GetParam().op);
  EXPECT_EQ(destination.Pixel(0, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Operations, RasterOpTest,
                         ::testing::Values(OpCase{RasterOp::SRCCOPY, kSource},
                                           OpCase{RasterOp::SRCAND, {0b1000, 0x00, 0x00}},
                                           OpCase{RasterOp::SRCPAINT, {0b1110, 0xFF, 0xFF}},
                                           OpCase{RasterOp::DSTINVERT, {0xF3, 0x0F, 0xFF}}));

TEST(BitBlt, ClipsToDestinationAndSource) {
  PixelBuffer destination = BufferFromPicture({"...", "...", "..."});
  const PixelBuffer source = BufferFromPicture({"##", "##"});
  // Asks for 3 x 3 from a 2 x 2 source, placed one pixel up and left.
  BitBlt(destination, -1, -1, 3, 3, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..."}));
  BitBlt(destination, 2, 2, 5, 5, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..#"}));
}

TEST(BitBlt, InvertsOnlyTheBlock) {
  PixelBuffer destination = BufferFromPicture({"#.#", "..."});
  InvertBlock(destination, 1, 0, 5, 1);
  EXPECT_EQ(PictureOf(destination), (Rows{"##.", "..."}));
}

TEST(CopyBlock, ReadsBlackBeyondTheSource) {
  EXPECT_EQ(PictureOf(CopyBlock(BufferFromPicture({"##", "##"}), 3, 1)), (Rows{"##."}));
}

}  // namespace
