#include <gtest/gtest.h>

#include <QRect>
#include <utility>

#include "main_window_fixture.h"
#include "skin_button.h"

namespace {

constexpr ColorTriple kRed{255, 0, 0};

// A button (Play), the track display and the slider: only the element's own
// pixels change.
TEST_F(MainWindowTest, ApplyColorChangesOnlyTheElementsPixels) {
  for (const auto& [element, place] : {std::pair{12, ClientRect{127, 86, 159, 101}},
                                       {17, kTrackDisplayRect}, {24, kSliderRect}}) {
    const PixelBuffer before = Grab();
    window.ColorDlg().SetColor(element, kRed);
    window.ApplyColor(element);
    const PixelBuffer after = Grab();
    const QRect inside(place.left + kBorder, place.top + kBorder, place.Width(), place.Height());
    int changed = 0;
    for (int y = 0; y < before.Height(); ++y) {
      for (int x = 0; x < before.Width(); ++x) {
        if (before.Pixel(x, y) == after.Pixel(x, y)) continue;
        ++changed;
        ASSERT_TRUE(inside.contains(x, y)) << "element " << element << ": pixel " << x << ", " << y;
      }
    }
    EXPECT_GT(changed, 0) << element;
  }
}

// Numbers outside the 25 elements are neither stored nor applied; -1 applies
// them all.
TEST_F(MainWindowTest, ApplyColorOutsideTheElementsChangesNothing) {
  const PixelBuffer before = Grab();
  for (int k = -1; k <= kElementCount; ++k) window.ColorDlg().SetColor(k, kRed);
  EXPECT_EQ(window.ColorDlg().GetColor(kElementCount), ColorTriple{});
  EXPECT_EQ(window.ColorDlg().GetColor(-1), ColorTriple{});
  window.ApplyColor(25);
  window.ApplyColor(-2);
  EXPECT_EQ(Grab(), before);
  window.ApplyColor(-1);
  EXPECT_EQ(window.Button(IDC_MINI_STOP)->GetColor(), kRed);
}

}  // namespace
