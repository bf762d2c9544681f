#include "skin_image.h"

#include <QImage>
#include <gtest/gtest.h>

#include "skin_bitmap_ids.h"

namespace {

// Every stored bitmap, read by the program's own reader, is what Qt reads.
TEST(SkinArtwork, ReadsAsQtReadsIt) {
  for (int id = IDB_TRACK_DISPLAY; id <= IDB_FACE_SMALL_PRESSED; ++id) {
    if (id == 363 || id == 365 || id == 367) continue;  // numbers the skin leaves unused
    const QImage image(SkinBitmapPath(id));
    ASSERT_FALSE(image.isNull()) << "bitmap " << id;
    EXPECT_EQ(LoadSkinBitmap(id), PixelBufferFromImage(image)) << "bitmap " << id;
  }
}

TEST(SkinArtwork, DigitMasksSplitTheSegmentsThatTheHoleMaskCuts) {
  const PixelBuffer holes = LoadSkinBitmap(IDB_DIGIT_HOLES);
  ASSERT_FALSE(holes.IsEmpty());
  for (unsigned digit = 0; digit < 10; ++digit) {
    const PixelBuffer lit = LoadSkinBitmap(DigitLitMaskId(digit));
    const PixelBuffer unlit = LoadSkinBitmap(DigitUnlitMaskId(digit));
    ASSERT_TRUE(lit.Width() == holes.Width() && lit.Height() == holes.Height()) << "digit " << digit;
    ASSERT_TRUE(unlit.Width() == holes.Width() && unlit.Height() == holes.Height()) << "digit " << digit;
    for (int y = 0; y < holes.Height(); ++y) {
      for (int x = 0; x < holes.Width(); ++x) {
        const bool segment = holes.Pixel(x, y).red == 0;
        const int marks = (lit.Pixel(x, y).red != 0) + (unlit.Pixel(x, y).red != 0);
        ASSERT_EQ(marks, segment ? 1 : 0) << "digit " << digit << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
