#include "track_display.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "widget_pixels.h"

namespace {

constexpr ColorTriple kAmber{255, 174, 0};

class FixedText : public TrackDisplayTextSource {
 public:
  std::string text = "No file loaded";
  std::string GetTrackDisplayText() const override { return text; }
};

int CountPixels(const PixelBuffer& buffer, ColorTriple colour) {
  int count = 0;
  for (int y = 0; y < buffer.Height(); ++y) {
    for (int x = 0; x < buffer.Width(); ++x) {
      if (buffer.Pixel(x, y) == colour) {
        ++count;
      }
    }
  }
  return count;
}

TEST(TrackDisplay, ShowsTheOwnersTextOrTheScanningNotice) {
  FixedText owner;
  CTrackDisplay display(&owner);
  EXPECT_EQ(display.DisplayText(), "No file loaded");
  display.SetScanning(1);
  EXPECT_EQ(display.DisplayText(), "Scanning files...");
  display.SetScanning(0);
  owner.text = "Night Harbour";
  EXPECT_EQ(display.DisplayText(), "Night Harbour");
}

TEST(TrackDisplay, WritesTheTextInItsColourOnTheDarkBackground) {
  FixedText owner;
  owner.text = "";
  CTrackDisplay display(&owner);
  display.SetColor(kAmber);
  const PixelBuffer empty = Grab(display);
  EXPECT_EQ(empty.Width(), 238);
  EXPECT_EQ(CountPixels(empty, CTrackDisplay::kTextBackground), 238 * 16);

  owner.text = "Night Harbour";
  display.Redraw();
  EXPECT_GT(CountPixels(Grab(display), kAmber), 20);
}

TEST(TrackDisplay, CutsALongTextAtTheRightEdge) {
  FixedText owner;
  owner.text = std::string(200, 'W');
  CTrackDisplay display(&owner);
  display.SetColor(kAmber);
  const PixelBuffer shown = Grab(display);
  EXPECT_EQ(shown.Width(), 238);
  // The text runs on to the last columns instead of stopping short.
  EXPECT_GT(CountPixels(Crop(shown, 232, 0, 6, 16), kAmber), 0);
}

TEST(TrackDisplay, ReportsAClickAndCarriesItsTipText) {
  CTrackDisplay display(nullptr);
  QSignalSpy clicks(&display, &CTrackDisplay::clicked);
  QTest::mouseClick(&display, Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(clicks.count(), 1);
  display.SetTipText("Artist / ");
  EXPECT_EQ(display.accessibleName(), "Artist / ");
}

}  // namespace
