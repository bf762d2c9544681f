#include "status_display.h"

#include <gtest/gtest.h>

#include <array>

#include "skin_bitmap_ids.h"
#include "tint.h"
#include "widget_pixels.h"

namespace {

constexpr ColorTriple kTime{200, 255, 255};
constexpr ColorTriple kDim{66, 85, 85};  // a third of the time colour
constexpr int kBlank = -1;
constexpr std::array<int, 4> kDigitX = {5, 20, 41, 56};

// A digit cell as it must look: the segments of the digit lit, the others
// dim; a blank cell has every segment dim.
PixelBuffer ExpectedCell(int digit) {
  const unsigned masks = digit == kBlank ? 0u : static_cast<unsigned>(digit);
  PixelBuffer tile = LoadSkinBitmap(IDB_DIGIT_TILE);
  PixelBuffer cell(12, 23);
  TintSegments(tile, {LoadSkinBitmap(IDB_DIGIT_HOLES), LoadSkinBitmap(DigitLitMaskId(masks)), LoadSkinBitmap(DigitUnlitMaskId(masks))},
               digit == kBlank ? kDim : kTime, kDim, cell, 0, 0);
  return cell;
}

// Each row clicks the display on to its mode (the clicks count from the
// first row, on elapsed time), then shows a length and a time.
TEST(StatusDisplayTest, ShowsTheDigitsOfTheMode) {
  CStatusDisplay display;
  display.SetElementColor(18, kTime);
  display.RedrawAll();
  struct Row { int clicks; std::uint32_t length, time; std::array<int, 4> digits; };
  const Row rows[] = {{0, 0, 59, {kBlank, 0, 5, 9}},
                      // From 100 minutes on the first cell shows a lit 0.
                      {0, 0, 6000, {0, 0, 0, 0}},
                      {1, 185, 60, {kBlank, 2, 0, 5}},
                      // Past the length, remaining time stops at 0:00.
                      {1, 185, 190, {kBlank, 0, 0, 0}},
                      {2, 185, 60, {kBlank, 3, 0, 5}},
                      // The third click comes back to elapsed time.
                      {3, 700, 600, {1, 0, 0, 0}}};
  int clicks = 0;
  for (const Row& row : rows) {
    display.SetLength(row.length);
    for (; clicks < row.clicks; ++clicks) display.StepMode();
    display.SetTime(row.time);
    const PixelBuffer shown = Grab(display);
    for (std::size_t i = 0; i < row.digits.size(); ++i) {
      EXPECT_EQ(Crop(shown, kDigitX[i], 5, 12, 23), ExpectedCell(row.digits[i]))
          << row.clicks << " clicks, time " << row.time << ": cell " << i << " should show " << row.digits[i];
    }
  }
}

}  // namespace
