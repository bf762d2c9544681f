#include "tint.h"

#include <gtest/gtest.h>

#include "picture_buffer.h"
#include "raster_op.h"

namespace {

constexpr ColorTriple kColour{200, 100, 5};
constexpr ColorTriple kUnlit{66, 33, 1};
// t: the tile, c: the colour, u: the unlit colour, w: the window's old
// pixels, '.': black, '#': white.
const Legend kLegend = {
    {'t', {10, 20, 30}}, {'c', {200, 100, 5}}, {'u', {66, 33, 1}}, {'w', {90, 90, 90}}};

PixelBuffer Picture(std::initializer_list<std::string_view> rows) { return BufferFromPicture(rows, kLegend); }
Rows Show(const PixelBuffer& buffer) { return PictureOf(buffer, kLegend); }

// The tile shows where the mask is black and the colour where it is white.
// The cut stays in the tile for good, so a control that redraws gives the same
// pixels every time, and four lamps on one tile leave the holes of every shape
// drawn on it.
TEST(TintMasked, PaintsTheColourOnTheShapeAndCutsTheTileForGood) {
  PixelBuffer tile = Picture({"tttt", "tttt"});
  const PixelBuffer first = Picture({"#...", ".##."});
  const PixelBuffer second = Picture({".#..", "...."});
  PixelBuffer window = Picture({"wwww", "wwww"});
  for (int drawing = 1; drawing <= 2; ++drawing) {
    TintMasked(tile, first, kColour, window, 0, 0);
    EXPECT_EQ(Show(window), (Rows{"cttt", "tcct"})) << "drawing " << drawing;
  }
  EXPECT_EQ(Show(first), (Rows{"#...", ".##."}));
  for (const PixelBuffer& mask : {second, Picture({"..#.", "...."}), Picture({"...#", "...#"})}) TintMasked(tile, mask, kColour, window, 0, 0);
  EXPECT_EQ(Show(tile), (Rows{"....", "t..."}));

  TintMasked(tile, second, kUnlit, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{".u..", "t..."}));
}

// A digit drawn again looks as it did the first time.
TEST(TintSegments, PaintsLitAndUnlitSegmentsOverTheTile) {
  PixelBuffer tile = Picture({"ttt", "ttt"});
  const PixelBuffer holes = Picture({".#.", "#.#"});
  const PixelBuffer lit = Picture({"#..", "..."});
  const PixelBuffer unlit = Picture({"..#", ".#."});
  for (int drawing = 1; drawing <= 2; ++drawing) {
    PixelBuffer window = Picture({"www", "www"});
    TintSegments(tile, {holes, lit, unlit}, kColour, kUnlit, window, 0, 0);
    EXPECT_EQ(Show(window), (Rows{"ctu", "tut"})) << "drawing " << drawing;
  }
  EXPECT_EQ(Show(tile), (Rows{".t.", "t.t"}));
}

// An unlit glyph or segment takes a share of each channel, rounded down; a
// divisor below 1 leaves the colour as it is.
TEST(DimColor, DividesEveryChannelByADivisorOfOneOrMore) {
  for (const auto& [divisor, dimmed] : {std::pair{3, kUnlit}, {1, kColour}, {0, kColour}}) {
    EXPECT_EQ(DimColor(kColour, divisor), dimmed) << divisor;
  }
}

// A block reaching past either buffer is cut to what both hold, and nothing
// outside it changes.
TEST(BitBlt, ClipsEveryBlockToTheBuffers) {
  PixelBuffer destination = BufferFromPicture({"...", "...", "..."});
  const PixelBuffer source = BufferFromPicture({"##", "##"});
  // Asks for 3 x 3 from a 2 x 2 source, placed one pixel up and left.
  BitBlt(destination, -1, -1, 3, 3, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..."}));
  BitBlt(destination, 2, 2, 5, 5, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..#"}));

  InvertBlock(destination, 1, 0, 5, 1);
  EXPECT_EQ(PictureOf(destination), (Rows{"###", "...", "..#"}));
  BitBlt(destination, 0, 1, 1, 1, source, 0, 0, RasterOp::SRCPAINT);
  EXPECT_EQ(PictureOf(destination), (Rows{"###", "#..", "..#"}));
  // A copy larger than its source reads black beyond it.
  EXPECT_EQ(PictureOf(CopyBlock(source, 3, 1)), (Rows{"##."}));
}

}  // namespace
