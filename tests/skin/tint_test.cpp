#include "tint.h"

#include <gtest/gtest.h>

#include "picture_buffer.h"

namespace {

constexpr ColorTriple kColour{200, 100, 5};
constexpr ColorTriple kUnlit{66, 33, 1};
// t: the tile, c: the colour, u: the unlit colour, w: the window's old
// pixels, '.': black, '#': white.
const pixel_picture::Legend kLegend = {
    {'t', {10, 20, 30}}, {'c', {200, 100, 5}}, {'u', {66, 33, 1}}, {'w', {90, 90, 90}}};

PixelBuffer Picture(std::initializer_list<std::string_view> rows) { return BufferFromPicture(rows, kLegend); }
Rows Show(const PixelBuffer& buffer) { return PictureOf(buffer, kLegend); }

TEST(TintMasked, AnAllBlackMaskLeavesTheTile) {
  PixelBuffer tile = Picture({"ttt", "ttt"});
  PixelBuffer window = Picture({"www", "www"});
  TintMasked(tile, Picture({"...", "..."}), kColour, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{"ttt", "ttt"}));
  EXPECT_EQ(Show(tile), (Rows{"ttt", "ttt"}));
}

TEST(TintMasked, PaintsTheColourOnTheShapeAndCutsTheTileForGood) {
  PixelBuffer tile = Picture({"ttt", "ttt"});
  const PixelBuffer mask = Picture({"#..", ".##"});
  PixelBuffer window = Picture({"www", "www"});
  TintMasked(tile, mask, kColour, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{"ctt", "tcc"}));
  EXPECT_EQ(Show(tile), (Rows{".tt", "t.."}));
  EXPECT_EQ(Show(mask), (Rows{"#..", ".##"}));
}

TEST(TintMasked, APureBlackColourDrawsTheShapeBlack) {
  PixelBuffer tile = Picture({"ttt"});
  PixelBuffer window = Picture({"www"});
  TintMasked(tile, Picture({".#."}), ColorTriple{0, 0, 0}, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{"t.t"}));
}

TEST(TintMasked, MixesAGreyMaskBitwise) {
  PixelBuffer tile(1, 1, ColorTriple{0xFF, 0xFF, 0xFF});
  PixelBuffer window(1, 1);
  TintMasked(tile, PixelBuffer(1, 1, ColorTriple{0x0F, 0x0F, 0x0F}), ColorTriple{0x3C, 0x3C, 0x3C}, window, 0, 0);
  // (tile AND NOT mask) OR (colour AND mask)
  EXPECT_EQ(window.Pixel(0, 0), (ColorTriple{0xFC, 0xFC, 0xFC}));
}

TEST(TintMasked, DrawsAtItsPlaceAndClipsAtTheWindowEdge) {
  PixelBuffer tile = Picture({"tt", "tt"});
  PixelBuffer window = Picture({"www", "www"});
  TintMasked(tile, Picture({"#.", ".#"}), kColour, window, 2, 1);
  EXPECT_EQ(Show(window), (Rows{"www", "wwc"}));
}

TEST(TintMasked, DrawsAtTheSizeAskedForAndReadsNoShapeBeyondTheMask) {
  PixelBuffer tile = Picture({"ttt"});
  PixelBuffer window = Picture({"www"});
  TintMasked(tile, Picture({"#"}), kColour, window, 0, 0, 2, 1);
  EXPECT_EQ(Show(window), (Rows{"ctw"}));
}

TEST(TintMasked, GivesTheSamePixelsAtEveryDrawingWithOneMask) {
  PixelBuffer tile = Picture({"ttt"});
  const PixelBuffer mask = Picture({"#.#"});
  PixelBuffer first = Picture({"www"});
  PixelBuffer second = Picture({"www"});
  TintMasked(tile, mask, kColour, first, 0, 0);
  TintMasked(tile, mask, kColour, second, 0, 0);
  EXPECT_EQ(first, second);
}

// Four lamps on one tile: each drawing leaves its shape's hole in the tile.
TEST(TintMasked, ASharedTileKeepsTheHolesOfEveryShapeDrawnOnIt) {
  PixelBuffer tile = Picture({"tttt", "tttt"});
  const PixelBuffer first = Picture({"#...", "#..."});
  const PixelBuffer second = Picture({".#..", "...."});
  const PixelBuffer third = Picture({"..#.", "...."});
  const PixelBuffer fourth = Picture({"...#", "...#"});
  PixelBuffer window = Picture({"wwww", "wwww"});
  for (const PixelBuffer* mask : {&first, &second, &third, &fourth}) {
    TintMasked(tile, *mask, kColour, window, 0, 0);
  }
  EXPECT_EQ(Show(tile), (Rows{"....", ".tt."}));

  TintMasked(tile, second, kUnlit, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{".u..", ".tt."}));
}

TEST(TintSegments, PaintsLitAndUnlitSegmentsOverTheTile) {
  PixelBuffer tile = Picture({"ttt", "ttt"});
  const PixelBuffer holes = Picture({".#.", "#.#"});
  const PixelBuffer lit = Picture({"#..", "..."});
  const PixelBuffer unlit = Picture({"..#", ".#."});
  PixelBuffer window = Picture({"www", "www"});
  TintSegments(tile, {holes, lit, unlit}, kColour, kUnlit, window, 0, 0);
  EXPECT_EQ(Show(window), (Rows{"ctu", "tut"}));
  EXPECT_EQ(Show(tile), (Rows{".t.", "t.t"}));
}

TEST(TintSegments, GivesTheSamePixelsWhenTheSameDigitIsDrawnTwice) {
  PixelBuffer tile = Picture({"ttt"});
  const PixelBuffer holes = Picture({"..#"});
  const PixelBuffer lit = Picture({"#.."});
  const PixelBuffer unlit = Picture({".#."});
  PixelBuffer first = Picture({"www"});
  PixelBuffer second = Picture({"www"});
  TintSegments(tile, {holes, lit, unlit}, kColour, kUnlit, first, 0, 0);
  TintSegments(tile, {holes, lit, unlit}, kColour, kUnlit, second, 0, 0);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Show(first), (Rows{"cut"}));
}

}  // namespace
