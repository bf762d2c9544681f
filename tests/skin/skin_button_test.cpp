#include "skin_button.h"

#include <QTest>
#include <gtest/gtest.h>

#include "skin_bitmap_ids.h"
#include "widget_pixels.h"

namespace {

constexpr ColorTriple kColour{200, 100, 50};

struct Point {
  int x, y;
};

bool OnGlyph(int x, int y) { return LoadSkinBitmap(IDB_GLYPH_HOME).Pixel(x, y) == ColorTriple{255, 255, 255}; }

// A pixel on the home glyph, and one off it where the two faces differ.
Point FindPixel(bool onGlyph) {
  const PixelBuffer face = LoadSkinBitmap(IDB_FACE_NARROW);
  const PixelBuffer pressed = LoadSkinBitmap(IDB_FACE_NARROW_PRESSED);
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) {
      if (onGlyph ? OnGlyph(x, y) : !OnGlyph(x, y) && face.Pixel(x, y) != pressed.Pixel(x, y)) {
        return {x, y};
      }
    }
  }
  ADD_FAILURE() << "the home button has no such pixel";
  return {0, 0};
}

class SkinButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    button.resize(16, 15);
    ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME), 1);
    button.SetColor(kColour);
  }

  ColorTriple GlyphPixel() {
    const Point p = FindPixel(true);
    return Grab(button).Pixel(p.x, p.y);
  }
  ColorTriple FacePixel() {
    const Point p = FindPixel(false);
    return Grab(button).Pixel(p.x, p.y);
  }
  static ColorTriple FacePixelOf(int face) {
    const Point p = FindPixel(false);
    return LoadSkinBitmap(face).Pixel(p.x, p.y);
  }

  CSkinButton button;
};

TEST_F(SkinButtonTest, LitAndNotHeldShowsAFullColourGlyphOnTheFace) {
  button.SetLit(1);
  EXPECT_EQ(GlyphPixel(), kColour);
  EXPECT_EQ(FacePixel(), FacePixelOf(IDB_FACE_NARROW));
}

TEST_F(SkinButtonTest, UnlitAndHeldShowsAFullColourGlyphOnThePressedFace) {
  button.setDown(true);
  EXPECT_EQ(GlyphPixel(), kColour);
  EXPECT_EQ(FacePixel(), FacePixelOf(IDB_FACE_NARROW_PRESSED));
}

TEST_F(SkinButtonTest, UnlitAndNotHeldShowsTheGlyphAtHalfColour) {
  EXPECT_EQ(GlyphPixel(), DimColor(kColour, 2));
  EXPECT_EQ(FacePixel(), FacePixelOf(IDB_FACE_NARROW));
}

TEST_F(SkinButtonTest, WithoutAPressedFaceItKeepsItsFaceWhileHeld) {
  ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, 0, IDB_GLYPH_HOME), 1);
  button.setDown(true);
  EXPECT_EQ(GlyphPixel(), kColour);
  EXPECT_EQ(FacePixel(), FacePixelOf(IDB_FACE_NARROW));
}

// Counts the paintings, to tell an immediate repaint from none.
class CountingButton : public CSkinButton {
 public:
  int paintings = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paintings;
    CSkinButton::paintEvent(event);
  }
};

TEST(SkinButton, SetLitBeforeTheFirstDrawingOnlyStoresTheState) {
  CountingButton button;
  button.resize(16, 15);
  ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME), 1);
  button.SetColor(kColour);
  button.SetLit(1);
  EXPECT_EQ(button.paintings, 0);
  EXPECT_FALSE(button.HasBeenDrawn());
  EXPECT_EQ(button.GetLit(), 1);

  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  EXPECT_TRUE(button.HasBeenDrawn());
  const Point p = FindPixel(true);
  EXPECT_EQ(Grab(button).Pixel(p.x, p.y), kColour);

  // Once drawn, a change repaints at once, with no event loop in between.
  const int before = button.paintings;
  button.SetLit(0);
  EXPECT_GT(button.paintings, before);
}

TEST(SkinButton, ReportsBitmapsThatCannotBeLoaded) {
  CSkinButton button;
  EXPECT_EQ(button.LoadBitmaps(299, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME), 0);
  EXPECT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, 0, 299), 0);
  // Without its glyph the button shows its face alone.
  button.resize(16, 15);
  EXPECT_EQ(Grab(button), LoadSkinBitmap(IDB_FACE_NARROW));
}

TEST(SkinButton, ItsTipTextIsAlsoItsAccessibleName) {
  CSkinButton button;
  button.SetTipText("Rewind to beginning");
  EXPECT_EQ(button.toolTip(), "Rewind to beginning");
  EXPECT_EQ(button.accessibleName(), "Rewind to beginning");
}

}  // namespace
