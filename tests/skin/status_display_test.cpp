#include "status_display.h"

#include <gtest/gtest.h>

#include <array>

#include "skin_bitmap_ids.h"
#include "tint.h"
#include "widget_pixels.h"

namespace {

constexpr ColorTriple kTime{200, 255, 255};
constexpr ColorTriple kDim{66, 85, 85};
constexpr int kBlank = -1;
constexpr std::array<int, 4> kDigitX = {5, 20, 41, 56};

// A digit cell as it must look: the segments of the digit lit, the others
// dim; a blank cell has every segment dim.
PixelBuffer ExpectedCell(int digit) {
  const unsigned masks = digit == kBlank ? 0u : static_cast<unsigned>(digit);
  PixelBuffer tile = LoadSkinBitmap(IDB_DIGIT_TILE);
  const PixelBuffer holes = LoadSkinBitmap(IDB_DIGIT_HOLES);
  const PixelBuffer lit = LoadSkinBitmap(DigitLitMaskId(masks));
  const PixelBuffer unlit = LoadSkinBitmap(DigitUnlitMaskId(masks));
  PixelBuffer cell(12, 23);
  TintSegments(tile, {holes, lit, unlit}, digit == kBlank ? kDim : kTime, kDim, cell, 0, 0);
  return cell;
}

void ExpectDigits(CStatusDisplay& display, std::array<int, 4> digits) {
  const PixelBuffer shown = Grab(display);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    EXPECT_EQ(Crop(shown, kDigitX[i], 5, 12, 23), ExpectedCell(digits[i])) << "cell " << i << " should show "
                                                                            << digits[i];
  }
}

class StatusDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    display.SetElementColor(18, kTime);
    display.RedrawAll();
  }
  CStatusDisplay display;
};

struct TimeCase {
  int mode;
  std::uint32_t length;
  std::uint32_t time;
  std::array<int, 4> digits;
};

class StatusDisplayTimeTest : public StatusDisplayTest, public ::testing::WithParamInterface<TimeCase> {};

TEST_P(StatusDisplayTimeTest, ShowsTheDigitsOfTheMode) {
  const TimeCase& c = GetParam();
  display.SetLength(c.length);
  for (int step = 0; step < c.mode; ++step) {
    display.StepMode();
  }
  display.SetTime(c.time);
  ExpectDigits(display, c.digits);
}

INSTANTIATE_TEST_SUITE_P(
    Times, StatusDisplayTimeTest,
    ::testing::Values(TimeCase{0, 0, 0, {kBlank, 0, 0, 0}}, TimeCase{0, 0, 599, {kBlank, 9, 5, 9}},
                      TimeCase{0, 0, 600, {1, 0, 0, 0}},
                      // From 100 minutes on the first cell shows a lit 0.
                      TimeCase{0, 0, 6000, {0, 0, 0, 0}}, TimeCase{1, 185, 60, {kBlank, 2, 0, 5}},
                      TimeCase{2, 185, 60, {kBlank, 3, 0, 5}}, TimeCase{2, 185, 170, {kBlank, 3, 0, 5}},
                      // Past the length, remaining time stops at 0:00.
                      TimeCase{1, 185, 190, {kBlank, 0, 0, 0}}));

TEST_F(StatusDisplayTest, StepModeThreeTimesReturnsToElapsedTime) {
  display.SetLength(185);
  display.SetTime(60);
  for (int mode : {1, 2, 0}) {
    display.StepMode();
    EXPECT_EQ(display.GetMode(), mode);
  }
  ExpectDigits(display, {kBlank, 1, 0, 0});
}

TEST_F(StatusDisplayTest, IgnoresLampsAndElementsItDoesNotHave) {
  const PixelBuffer before = Grab(display);
  display.SetLamp(5, 1);
  display.SetLamp(0, 1);
  display.SetElementColor(17, ColorTriple{255, 0, 0});
  display.SetElementColor(24, ColorTriple{255, 0, 0});
  EXPECT_EQ(Grab(display), before);
  for (int n = 0; n <= 5; ++n) {
    EXPECT_EQ(display.GetLamp(n), 0) << "lamp " << n;
  }
}

TEST_F(StatusDisplayTest, LightsTheLampItIsGiven) {
  constexpr ColorTriple kAud{255, 255, 0};
  display.SetElementColor(23, kAud);
  const PixelBuffer mask = LoadSkinBitmap(IDB_LAMP_AUD);
  int x = 0, y = 0;
  while (mask.Pixel(x, y) != ColorTriple{255, 255, 255}) {
    x = (x + 1) % 12;
    y += x == 0 ? 1 : 0;
  }
  EXPECT_EQ(Grab(display).Pixel(56 + x, 33 + y), DimColor(kAud, 3));
  display.SetLamp(CStatusDisplay::kLampAud, 1);
  EXPECT_EQ(display.GetLamp(CStatusDisplay::kLampAud), 1);
  EXPECT_EQ(Grab(display).Pixel(56 + x, 33 + y), kAud);
}

TEST_F(StatusDisplayTest, ItsTipTextIsAlsoItsAccessibleName) {
  display.SetTipText("Time/Status display");
  EXPECT_EQ(display.toolTip(), "Time/Status display");
  EXPECT_EQ(display.accessibleName(), "Time/Status display");
}

}  // namespace
