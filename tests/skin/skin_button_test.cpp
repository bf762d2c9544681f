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

struct StateCase {
  const char* name;
  int lit;
  bool held;
  int pressedFace;  // 0: the button has none
  ColorTriple glyph;
  int faceShown;
};

class SkinButtonStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(SkinButtonStateTest, ShowsTheFaceAndGlyphColourOfItsState) {
  const StateCase& c = GetParam();
  const Probe& probe = HomeProbe();
  ASSERT_TRUE(probe.glyphX >= 0 && probe.faceX >= 0) << "the home button has no such pixels";
  CSkinButton button;
  button.resize(16, 15);
  ASSERT_EQ(button.LoadBitmaps(IDB_FACE_NARROW, c.pressedFace, IDB_GLYPH_HOME), 1);
  button.SetColor(kColour);
  button.SetLit(c.lit);
  button.setDown(c.held);
  const PixelBuffer shown = Grab(button);
  EXPECT_EQ(shown.Pixel(probe.glyphX, probe.glyphY), c.glyph);
  EXPECT_EQ(shown.Pixel(probe.faceX, probe.faceY), LoadSkinBitmap(c.faceShown).Pixel(probe.faceX, probe.faceY));
}

INSTANTIATE_TEST_SUITE_P(
    States, SkinButtonStateTest,
    ::testing::Values(StateCase{"LitShowsTheFullColour", 1, false, IDB_FACE_NARROW_PRESSED, kColour, IDB_FACE_NARROW},
                      StateCase{"HeldShowsTheFullColourOnThePressedFace", 0, true, IDB_FACE_NARROW_PRESSED, kColour,
                                IDB_FACE_NARROW_PRESSED},
                      StateCase{"UnlitShowsHalfTheColour", 0, false, IDB_FACE_NARROW_PRESSED,
                                ColorTriple{100, 50, 25}, IDB_FACE_NARROW},
                      StateCase{"HeldWithoutAPressedFaceKeepsItsFace", 0, true, 0, kColour, IDB_FACE_NARROW}),
    [](const auto& info) { return std::string(info.param.name); });

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
  const Probe& probe = HomeProbe();
  ASSERT_GE(probe.glyphX, 0);
  EXPECT_EQ(Grab(button).Pixel(probe.glyphX, probe.glyphY), kColour);

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

// One helper serves every skin control.
TEST(SkinButton, ItsTipTextIsAlsoItsAccessibleName) {
  CSkinButton button;
  button.SetTipText("Rewind to beginning");
  EXPECT_EQ(button.toolTip(), "Rewind to beginning");
  EXPECT_EQ(button.accessibleName(), "Rewind to beginning");
}

}  // namespace
