#include <QTest>
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "skin_button.h"
#include "status_display.h"
#include "tint.h"

namespace {

// A medium of 142 s: one second per pixel of thumb travel.
constexpr int kLengthMs = 142000;
// On the thumb at offset 0 (it covers client x 91-111 of the slider's row).
const QPoint kOnThumb = {100 + kBorder, 75 + kBorder};

// The slider as it looks with the thumb drawn at an offset.
PixelBuffer SliderWithThumbAt(int thumbX) {
  PixelBuffer slider = LoadSkinBitmap(IDB_SLIDER);
  PixelBuffer thumb = LoadSkinBitmap(IDB_THUMB);
  TintMasked(thumb, LoadSkinBitmap(IDB_THUMB_MASK), ElementColorTable::DefaultColor(24), slider, thumbX + 2, 0);
  return slider;
}

// The status display as it looks showing a time in the default colours.
PixelBuffer StatusShowing(unsigned seconds) {
  CStatusDisplay display;
  for (int k = 18; k <= 23; ++k) {
    display.SetElementColor(k, ElementColorTable::DefaultColor(k));
  }
  display.RedrawAll();
  display.SetTime(seconds);
  return PixelBufferFromImage(display.grab().toImage());
}

}  // namespace

struct ThumbCase {
  const char* name;
  int cursorX;  // window x the thumb is dragged to
  int lengthMs;
  int offset;   // where the thumb stops
  int seconds;  // the time under it
};

std::string CaseName(const ::testing::TestParamInfo<ThumbCase>& info) { return info.param.name; }

class ThumbDragTest : public MainWindowTest, public ::testing::WithParamInterface<ThumbCase> {};

TEST_P(ThumbDragTest, PinsTheThumbAndSeeksOnlyOnRelease) {
  window.SetSliderScale(GetParam().lengthMs);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseMove(Handle(), {GetParam().cursorX, kOnThumb.y()});
  EXPECT_TRUE(window.IsDraggingSlider());
  EXPECT_EQ(window.GetDragPosition(), GetParam().seconds);
  const PixelBuffer shot = Grab();
  EXPECT_EQ(Crop(shot, kSliderRect), SliderWithThumbAt(GetParam().offset));
  EXPECT_EQ(Crop(shot, kStatusRect), StatusShowing(GetParam().seconds));
  EXPECT_TRUE(calls.empty());
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, {GetParam().cursorX, kOnThumb.y()});
  EXPECT_EQ(calls, std::vector<std::string>{"seek " + std::to_string(GetParam().seconds * 1000)});
  EXPECT_FALSE(window.IsDraggingSlider());
}

INSTANTIATE_TEST_SUITE_P(Ends, ThumbDragTest,
                         ::testing::Values(ThumbCase{"PastTheRightEnd", 600, kLengthMs, 141, 141},
                                           ThumbCase{"PastTheLeftEnd", -300, kLengthMs, 0, 0},
                                           ThumbCase{"Inside", kOnThumb.x() + 40, kLengthMs, 40, 40},
                                           ThumbCase{"TwoSecondsAPixel", 600, 284000, 141, 282}),
                         CaseName);

TEST_F(MainWindowTest, ReleasingTheThumbReplaysWhenPlayIsLit) {
  window.SetSliderScale(kLengthMs);
  window.SetElementState(12, 1);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseMove(Handle(), kOnThumb + QPoint(10, 0));
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kOnThumb + QPoint(10, 0));
  EXPECT_EQ(calls, (std::vector<std::string>{"seek 10000", "play"}));
}

// A box that opens mid-drag takes the release; the thumb must not stay stuck
// to the pointer once the button is up.
TEST_F(MainWindowTest, AThumbDragWhoseReleaseWentAstrayEndsAtTheNextNotification) {
  window.SetSliderScale(kLengthMs);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseMove(Handle(), kOnThumb + QPoint(10, 0));
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kOnThumb + QPoint(10, 0));
  ASSERT_TRUE(window.IsDraggingSlider());  // the window never heard the release
  box.hide();
  window.OnNotifyPos(30000);
  EXPECT_FALSE(window.IsDraggingSlider());
  window.OnNotifyPos(31000);
  EXPECT_EQ(Crop(Grab(), kStatusRect), StatusShowing(31));
}

// A click on the thumb that does not move it leaves playback where it is.
TEST_F(MainWindowTest, ClickOnTheThumbDoesNotSeek) {
  window.SetSliderScale(kLengthMs);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kOnThumb);
  EXPECT_TRUE(calls.empty());
}

class WindowDragTest : public MainWindowTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(WindowDragTest, MovesTheWindowAndItsStoredPosition) {
  window.SetMainPosition({200, 150});
  QTest::mousePress(Handle(), Qt::LeftButton, {}, GetParam());
  QTest::mouseMove(Handle(), GetParam() + QPoint(15, -7));
  // The window has followed the cursor, which is over the same spot again.
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, GetParam());
  EXPECT_EQ(window.GetMainPosition(), QPoint(215, 143));
  EXPECT_EQ(window.pos(), QPoint(215, 143));
  EXPECT_TRUE(calls.empty());
}

// The bare background, the caption, the status display, the slider off the
// thumb.
INSTANTIATE_TEST_SUITE_P(Places, WindowDragTest,
                         ::testing::Values(QPoint(40, 108), QPoint(120, 10), QPoint(30, 60), QPoint(200, 75)),
                         [](const auto& info) { return std::to_string(info.index); });

// The track display keeps its presses to itself.
TEST_F(MainWindowTest, DraggingOnTheTrackDisplayLeavesTheWindowInPlace) {
  window.SetMainPosition({200, 150});
  QTest::mousePress(Handle(), Qt::LeftButton, {}, {100, 36});
  QTest::mouseMove(Handle(), {120, 40});
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, {120, 40});
  EXPECT_EQ(window.pos(), QPoint(200, 150));
}

class RollUpTest : public MainWindowTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(RollUpTest, DoubleClickOnTheCaptionEdgeRollsUpAndBack) {
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, GetParam());
  ASSERT_TRUE(window.IsRolledUp());
  EXPECT_EQ(window.size(), QSize(266, 22));
  for (int id : {IDC_MINI_HOME, IDC_MINI_PLAY, IDC_MINI_END, IDC_MINI_STOP, IDC_SYSMENU, IDC_EXIT, IDC_CAPTION}) {
    EXPECT_TRUE(window.Control(id)->isVisible()) << id;
  }
  for (const auto& [id, control] : window.Controls()) {
    EXPECT_TRUE(!control->isVisible() || control->geometry().bottom() < 22) << id;
  }
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, GetParam());
  EXPECT_EQ(window.size(), QSize(266, 114));
  EXPECT_FALSE(window.Control(IDC_MINI_PLAY)->isVisible());
  EXPECT_TRUE(window.Control(IDC_PAUSE)->isVisible());
}

// Client (239, 10) is on the caption's right edge, (100, 15) on its bottom.
INSTANTIATE_TEST_SUITE_P(Edges, RollUpTest, ::testing::Values(QPoint(240, 11), QPoint(101, 16)),
                         [](const auto& info) { return info.index == 0 ? "Right" : "Bottom"; });

TEST_F(MainWindowTest, DoubleClickJustOffTheCaptionOrOnTheStatusEdgeDoesNotRollUp) {
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, {241, 11});
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, {85, 102});
  EXPECT_FALSE(window.IsRolledUp());
  EXPECT_EQ(window.StatusDisplay()->GetMode(), 1);
}
