#include "skin_image.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include "skin_bitmap_ids.h"

namespace {

struct ArtworkCase {
  int id;
  int width;
  int height;
  int depth;  // bits per pixel: at most 2^depth colours
};

void PrintTo(const ArtworkCase& c, std::ostream* out) { *out << "bitmap " << c.id; }

class SkinArtworkTest : public ::testing::TestWithParam<ArtworkCase> {};

int CountColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return static_cast<int>(colours.size());
}

TEST_P(SkinArtworkTest, LoadsAtItsSizeWithinItsColourDepth) {
  const ArtworkCase& c = GetParam();
  const QImage image(SkinBitmapPath(c.id));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), c.width);
  EXPECT_EQ(image.height(), c.height);
  EXPECT_LE(CountColours(image), 1 << c.depth);
  if (c.depth == 1) {
    EXPECT_EQ(image.depth(), 1);
    // Masks mark a shape; only the unlit segments of an 8 are none at all.
    EXPECT_EQ(CountColours(image), c.id == DigitUnlitMaskId(8) ? 1 : 2);
  }
}

constexpr int kMask = 1;
constexpr int k16 = 4;
constexpr int k256 = 8;

std::vector<ArtworkCase> AllArtwork() {
  std::vector<ArtworkCase> cases = {
      {301, 238, 16, k256}, {302, 223, 9, k256}, {303, 73, 50, k256}, {304, 266, 23, k256},
      {305, 266, 114, k256}, {306, 164, 10, k256}, {307, 223, 9, k256},
      // Glyphs of the wide buttons; the other glyphs of 308-321 are narrow.
      {309, 32, 15, kMask}, {316, 32, 15, kMask}, {317, 32, 15, kMask}, {320, 32, 15, kMask},
      {322, 16, 15, k256}, {323, 32, 15, k256}, {324, 16, 15, k256}, {325, 32, 15, k256},
      {326, 7, 7, k256}, {327, 7, 7, k16}, {328, 7, 7, kMask}, {329, 7, 7, kMask}, {330, 7, 7, k256},
      {331, 12, 12, kMask}, {332, 12, 12, kMask}, {333, 12, 12, kMask}, {334, 12, 12, k256},
      {335, 12, 12, kMask}, {336, 20, 10, k16}, {337, 20, 10, kMask}, {338, 3, 23, k256},
      {358, 12, 23, k256}, {359, 3, 23, kMask}, {361, 12, 23, kMask},
      {362, 10, 9, k256}, {364, 10, 9, kMask}, {366, 10, 9, kMask}, {368, 10, 9, kMask},
      {369, 10, 9, kMask}, {370, 10, 9, k256},
  };
  for (int id : {308, 310, 311, 312, 313, 314, 315, 318, 319, 321}) {
    cases.push_back({id, 16, 15, kMask});
  }
  for (int id = 339; id <= 357; ++id) {
    cases.push_back({id, 12, 23, kMask});
  }
  cases.push_back({360, 12, 23, kMask});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, SkinArtworkTest, ::testing::ValuesIn(AllArtwork()),
                         [](const auto& info) { return std::to_string(info.param.id); });

// The program's own reader of the stored bitmaps agrees with Qt's.
TEST_P(SkinArtworkTest, ReadsAsQtReadsIt) {
  const int id = GetParam().id;
  EXPECT_EQ(LoadSkinBitmap(id), PixelBufferFromImage(QImage(SkinBitmapPath(id))));
}

TEST(SkinArtwork, ThereIsAProgramIcon) {
  const QImage icon(SkinBitmapPath(IDI_JUKEBOX));
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_TRUE(icon.hasAlphaChannel());
}

// The sysmenu glyph is a 16-colour bitmap used as a mask: black and white only.
TEST(SkinArtwork, TheSixteenColourGlyphHoldsOnlyBlackAndWhite) {
  const PixelBuffer glyph = LoadSkinBitmap(IDB_GLYPH_SYSMENU);
  for (int y = 0; y < glyph.Height(); ++y) {
    for (int x = 0; x < glyph.Width(); ++x) {
      const ColorTriple p = glyph.Pixel(x, y);
      EXPECT_TRUE(p == (ColorTriple{0, 0, 0}) || p == (ColorTriple{255, 255, 255})) << x << "," << y;
    }
  }
}

TEST(SkinArtwork, DigitMasksSplitTheSegmentsThatTheHoleMaskCuts) {
  const PixelBuffer holes = LoadSkinBitmap(IDB_DIGIT_HOLES);
  for (unsigned digit = 0; digit < 10; ++digit) {
    const PixelBuffer lit = LoadSkinBitmap(DigitLitMaskId(digit));
    const PixelBuffer unlit = LoadSkinBitmap(DigitUnlitMaskId(digit));
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
