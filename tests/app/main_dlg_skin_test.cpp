#include <gtest/gtest.h>

#include <QRect>
#include <QTest>
#include <vector>

#include "main_window_fixture.h"
#include "skin_button.h"

namespace {

constexpr ColorTriple kRed{255, 0, 0};

QRect WindowRect(const ClientRect& rect) {
  return {rect.left + kBorder, rect.top + kBorder, rect.Width(), rect.Height()};
}

}  // namespace

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
                                           ColourCase{17, {kTrackDisplayRect}}, ColourCase{22, {kStatusRect}},
                                           ColourCase{24, {kSliderRect}}),
                         ElementName);

// Numbers outside the 25 elements are neither stored nor applied; -1 applies
// them all.
TEST_F(MainWindowTest, ApplyColorOutsideTheElementsChangesNothing) {
  const PixelBuffer before = Grab();
  for (int k = -1; k <= kElementCount; ++k) {
    window.ColorDlg().SetColor(k, kRed);
  }
  EXPECT_EQ(window.ColorDlg().GetColor(kElementCount), ColorTriple{});
  EXPECT_EQ(window.ColorDlg().GetColor(-1), ColorTriple{});
  window.ApplyColor(25);
  window.ApplyColor(-2);
  EXPECT_EQ(Grab(), before);
  window.ApplyColor(-1);
  EXPECT_EQ(window.Button(IDC_MINI_STOP)->GetColor(), kRed);
  EXPECT_EQ(window.Button(IDC_PAUSE)->GetColor(), kRed);
}

TEST_F(MainWindowTest, CaptionFollowsTheApplicationsActivation) {
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_ACTIVE));
  window.OnActivateApp(false);
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_INACTIVE));
  window.OnActivateApp(true);
  EXPECT_EQ(Crop(Grab(), kCaptionRect), LoadSkinBitmap(IDB_CAPTION_ACTIVE));
}

TEST_F(MainWindowTest, MinimizeButtonMinimisesAndRestores) {
  QTest::mouseClick(window.Button(IDC_MINIMIZE), Qt::LeftButton);
  EXPECT_TRUE(window.isMinimized());
  window.OnMinimize();
  EXPECT_FALSE(window.isMinimized());
}
