#include "track_display.h"

#include <gtest/gtest.h>

#include "widget_pixels.h"

namespace {

constexpr ColorTriple kAmber{255, 174, 0};

class FixedText : public TrackDisplayTextSource {
 public:
  std::string text = "No file loaded";
  std::string GetTrackDisplayText() const override { return text; }
};

TEST(TrackDisplay, ShowsTheOwnersTextOrTheScanningNoticeUpToTheRightEdge) {
  FixedText owner;
  CTrackDisplay display(&owner);
  EXPECT_EQ(display.DisplayText(), "No file loaded");
  display.SetScanning(1);
  EXPECT_EQ(display.DisplayText(), "Scanning files...");
  display.SetScanning(0);
  // Names are read as UTF-8 when they are valid UTF-8, else as Latin-1.
  owner.text = "Caf\xc3\xa9";
  EXPECT_EQ(display.DisplayText(), QString::fromUtf8("Caf\xc3\xa9"));
  owner.text = "Caf\xe9 \xff";
  EXPECT_EQ(display.DisplayText(), QString::fromLatin1("Caf\xe9 \xff"));

  display.SetColor(kAmber);
  owner.text = std::string(200, 'W');
  display.Redraw();
  const PixelBuffer shown = Grab(display);
  ASSERT_EQ(shown.Width(), 238);
  // A long text runs on to the last columns instead of stopping short.
  EXPECT_GE(FindPixel(Crop(shown, 232, 0, 6, 16), [](ColorTriple p, int, int) { return p == kAmber; }).x(), 0);
}

}  // namespace
