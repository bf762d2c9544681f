#include "skin_button.h"

#include <QTest>
#include <gtest/gtest.h>

#include "skin_bitmap_ids.h"
#include "widget_pixels.h"

namespace {

constexpr ColorTriple kColour{200, 100, 50};
constexpr ColorTriple kWhite{255, 255, 255};

// A pixel on the home glyph, and one off it where the two narrow faces differ.
struct Probe {
  int glyphX = -1, glyphY = -1, faceX = -1, faceY = -1;
};

const Probe& HomeProbe() {
  static const Probe probe = [] {
    const PixelBuffer glyph = LoadSkinBitmap(IDB_GLYPH_HOME);
    const PixelBuffer face = LoadSkinBitmap(IDB_FACE_NARROW);
    const PixelBuffer pressed = LoadSkinBitmap(IDB_FACE_NARROW_PRESSED);
    Probe found;
    for (int y = 0; y < face.Height(); ++y) {
      for (int x = 0; x < face.Width(); ++x) {
        const bool on = glyph.Pixel(x, y) == kWhite;
        if (on && found.glyphX < 0) {
          found.glyphX = x;
          found.glyphY = y;
        } else if (!on && found.faceX < 0 && face.Pixel(x, y) != pressed.Pixel(x, y)) {
          found.faceX = x;
          found.faceY = y;
        }
      }
    }
    return found;
  }();
  return probe;
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

// Before its first drawing a change only stores the state; once drawn, each
// change repaints at once, with no event loop in between, in the face and
// glyph colour of the state.
TEST(SkinButton, ShowsTheFaceAndGlyphColourOfItsState) {
  const Probe& probe = HomeProbe();
  ASSERT_TRUE(probe.glyphX >= 0 && probe.faceX >= 0) << "the home button has no such pixels";
  CountingButton button;
  button.resize(16, 15);
  ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME), 1);
  button.SetColor(kColour);
  button.SetLit(1);
  EXPECT_EQ(button.paintings, 0);
  EXPECT_FALSE(button.HasBeenDrawn());
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  EXPECT_TRUE(button.HasBeenDrawn());

  struct Row {
    int lit;
    bool held;
    ColorTriple glyph;
    int face;
  };
  for (const Row& row : {Row{1, false, kColour, IDB_FACE_NARROW}, Row{0, true, kColour, IDB_FACE_NARROW_PRESSED},
                         Row{0, false, ColorTriple{100, 50, 25}, IDB_FACE_NARROW}}) {
    button.setDown(row.held);
    const int before = button.paintings;
    button.SetLit(row.lit);
    EXPECT_GT(button.paintings, before) << "lit " << row.lit;
    EXPECT_EQ(button.GetLit(), row.lit);
    const PixelBuffer shown = Grab(button);
    EXPECT_EQ(shown.Pixel(probe.glyphX, probe.glyphY), row.glyph) << "lit " << row.lit << ", held " << row.held;
    EXPECT_EQ(shown.Pixel(probe.faceX, probe.faceY), LoadSkinBitmap(row.face).Pixel(probe.faceX, probe.faceY))
        << "lit " << row.lit << ", held " << row.held;
  }
}

// One helper serves every skin control.
TEST(SkinButton, ItsTipTextIsAlsoItsAccessibleName) {
  CSkinButton button;
  button.SetTipText("Rewind to beginning");
  EXPECT_EQ(button.toolTip(), "Rewind to beginning");
  EXPECT_EQ(button.accessibleName(), "Rewind to beginning");
}

}  // namespace
