#include "skin_button.h"

#include <QTest>
#include <gtest/gtest.h>

#include "skin_bitmap_ids.h"
#include "widget_pixels.h"

namespace {

constexpr ColorTriple kColour{200, 100, 50};
constexpr ColorTriple kWhite{255, 255, 255};

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

// Before its first drawing a change only stores the state; once drawn, each
// change repaints at once, with no event loop in between, in the face and
// glyph colour of the state.
TEST(SkinButton, ShowsTheFaceAndGlyphColourOfItsState) {
  const PixelBuffer glyph = LoadSkinBitmap(IDB_GLYPH_HOME);
  const PixelBuffer face = LoadSkinBitmap(IDB_FACE_NARROW);
  const PixelBuffer pressed = LoadSkinBitmap(IDB_FACE_NARROW_PRESSED);
  // A pixel on the home glyph, and one off it where the two narrow faces differ.
  const QPoint onGlyph = FindPixel(glyph, [](ColorTriple p, int, int) { return p == kWhite; });
  const QPoint onFace = FindPixel(face, [&](ColorTriple p, int x, int y) {
    return glyph.Pixel(x, y) != kWhite && p != pressed.Pixel(x, y);
  });
  ASSERT_TRUE(onGlyph.x() >= 0 && onFace.x() >= 0) << "the home button has no such pixels";
  CountingButton button;
  button.resize(16, 15);
  ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME), 1);
  button.SetColor(kColour);
  button.SetLit(1);
  EXPECT_TRUE(button.paintings == 0 && !button.HasBeenDrawn());
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  EXPECT_TRUE(button.HasBeenDrawn());

  struct Row { int lit; bool held; ColorTriple glyph; const PixelBuffer* face; };
  const Row rows[] = {{1, false, kColour, &face}, {0, true, kColour, &pressed}, {0, false, {100, 50, 25}, &face}};
  for (const Row& row : rows) {
    button.setDown(row.held);
    const int before = button.paintings;
    button.SetLit(row.lit);
    EXPECT_EQ(std::tuple(button.paintings > before, button.GetLit()), std::tuple(true, row.lit)) << "lit " << row.lit;
    const PixelBuffer shown = Grab(button);  // draws too: the count is taken before
    EXPECT_EQ(std::tuple(shown.Pixel(onGlyph.x(), onGlyph.y()), shown.Pixel(onFace.x(), onFace.y())),
              std::tuple(row.glyph, row.face->Pixel(onFace.x(), onFace.y()))) << "lit " << row.lit << ", held " << row.held;
  }
}

}  // namespace
