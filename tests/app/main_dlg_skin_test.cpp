#include <gtest/gtest.h>

#include <QRect>
#include <QTest>
#include <vector>

#include "main_window_fixture.h"
#include "skin_button.h"
#include "status_display.h"

namespace {

constexpr ColorTriple kWhite{255, 255, 255};
constexpr ColorTriple kRed{255, 0, 0};

// The window pixel on the first white pixel of a glyph mask drawn at the
// client rectangle.
ColorTriple GlyphPixel(const PixelBuffer& shot, int glyph, const ClientRect& rect) {
  const PixelBuffer mask = LoadSkinBitmap(glyph);
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.Pixel(x, y) == kWhite) {
        return shot.Pixel(rect.left + kBorder + x, rect.top + kBorder + y);
      }
    }
  }
  ADD_FAILURE() << "glyph " << glyph << " is empty";
  return {};
}

QRect WindowRect(const ClientRect& rect) {
  return {rect.left + kBorder, rect.top + kBorder, rect.Width(), rect.Height()};
}

}  // namespace

// At start Stop is lit and Play is not: Stop's glyph shows its colour (0, 255,
// 0) whole, Play's the same colour halved.
TEST_F(MainWindowTest, StartsWithStopLitAndPlayAtHalfColour) {
  const PixelBuffer shot = Grab();
  EXPECT_EQ(GlyphPixel(shot, IDB_GLYPH_STOP, {202, 86, 234, 101}), (ColorTriple{0, 255, 0}));
  EXPECT_EQ(GlyphPixel(shot, IDB_GLYPH_PLAY, {127, 86, 159, 101}), (ColorTriple{0, 127, 0}));
}

struct ColourCase {
  int element;
  std::vector<ClientRect> places;
};

std::string ElementName(const ::testing::TestParamInfo<ColourCase>& info) {
  return "Element" + std::to_string(info.param.element);
}

class ApplyColorTest : public MainWindowTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ApplyColorTest, ChangesOnlyTheElementsPixels) {
  const PixelBuffer before = Grab();
  window.ColorDlg().SetColor(GetParam().element, kRed);
  window.ApplyColor(GetParam().element);
  const PixelBuffer after = Grab();
  int changed = 0;
  for (int y = 0; y < before.Height(); ++y) {
    for (int x = 0; x < before.Width(); ++x) {
      if (before.Pixel(x, y) == after.Pixel(x, y)) {
        continue;
      }
      ++changed;
      bool inside = false;
      for (const ClientRect& place : GetParam().places) {
        inside = inside || WindowRect(place).contains(x, y);
      }
      ASSERT_TRUE(inside) << "pixel " << x << ", " << y << " changed";
    }
  }
  EXPECT_GT(changed, 0);
}

INSTANTIATE_TEST_SUITE_P(Elements, ApplyColorTest,
                         ::testing::Values(ColourCase{0, {{7, 7, 14, 14}}}, ColourCase{12, {{127, 86, 159, 101}}},
                                           ColourCase{9, {{237, 51, 253, 66}}}, ColourCase{17, {kTrackDisplayRect}},
                                           ColourCase{18, {kStatusRect}}, ColourCase{22, {kStatusRect}},
                                           ColourCase{24, {kSliderRect}}),
                         ElementName);

TEST_F(MainWindowTest, ApplyColorOutsideTheElementsChangesNothing) {
  const PixelBuffer before = Grab();
  for (int k = 0; k < kElementCount; ++k) {
    window.ColorDlg().SetColor(k, kRed);
  }
  window.ApplyColor(25);
  window.ApplyColor(-2);
  EXPECT_EQ(Grab(), before);
  window.ApplyColor(-1);
  EXPECT_EQ(window.Button(IDC_MINI_STOP)->GetColor(), kRed);
  EXPECT_EQ(window.Button(IDC_PAUSE)->GetColor(), kRed);
}

TEST_F(MainWindowTest, ElementStatesReachButtonsTwinsAndLamps) {
  window.SetElementState(12, 1);
  EXPECT_EQ(window.Button(IDC_PLAY)->GetLit(), 1);
  EXPECT_EQ(window.Button(IDC_MINI_PLAY)->GetLit(), 1);
  EXPECT_EQ(window.GetElementState(12), 1);
  // Dic, Tag, Vid, Aud are lamps 3, 4, 2, 1.
  const int lamps[] = {3, 4, 2, 1};
  for (int k = 20; k <= 23; ++k) {
    window.SetElementState(k, 1);
    EXPECT_EQ(window.StatusDisplay()->GetLamp(lamps[k - 20]), 1) << k;
    EXPECT_EQ(window.GetElementState(k), 1);
  }
  window.SetElementState(17, 1);
  EXPECT_EQ(window.GetElementState(17), 0);
  EXPECT_EQ(window.GetElementState(24), 0);
}

TEST_F(MainWindowTest, CaptionFollowsTheApplicationsActivation) {
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_ACTIVE));
  window.OnActivateApp(false);
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_INACTIVE));
  window.OnActivateApp(true);
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_ACTIVE));
}

TEST_F(MainWindowTest, ControlsCarryTheirTipsAsAccessibleNames) {
  EXPECT_EQ(window.Button(IDC_MINIMIZE)->accessibleName(), QStringLiteral("Roll up/down"));
  EXPECT_EQ(window.Button(IDC_MINI_HOME)->toolTip(), QStringLiteral("Rewind to beginning"));
  EXPECT_EQ(window.Control(IDC_CAPTION)->accessibleName(), QStringLiteral("Caption bar"));
  EXPECT_EQ(window.TipText(IDC_STATUS_DISPLAY), QStringLiteral("Time/Status display"));
  EXPECT_TRUE(window.TipText(IDC_SLIDER).isEmpty());
  EXPECT_EQ(window.Controls().size(), 25U);
  EXPECT_EQ(window.Control(IDC_PLAY)->geometry(), QRect(128, 87, 32, 15));
}

TEST_F(MainWindowTest, MinimizeButtonMinimisesAndRestores) {
  QTest::mouseClick(window.Button(IDC_MINIMIZE), Qt::LeftButton);
  EXPECT_TRUE(window.isMinimized());
  window.OnMinimize();
  EXPECT_FALSE(window.isMinimized());
}
