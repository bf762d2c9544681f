#include <QTest>
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "skin_button.h"
#include "status_display.h"

namespace {

// A medium of 142 s: one second per pixel of thumb travel.
constexpr int kLengthMs = 142000;
// On the thumb at offset 0 (it covers client x 91-111 of the slider's row).
const QPoint kOnThumb = {100 + kBorder, 75 + kBorder};

struct ThumbCase {
  const char* name;
  int cursorX;  // window x the thumb is dragged to
  int lengthMs;
  int seconds;  // the time under the thumb where it stops
};

class ThumbDragTest : public MainWindowTest, public ::testing::WithParamInterface<ThumbCase> {};

// While dragging, the thumb and the time show where it is, as playback at
// that time would show them, and nothing seeks; the release seeks once.
TEST_P(ThumbDragTest, PinsTheThumbAndSeeksOnlyOnRelease) {
  const ThumbCase& row = GetParam();
  window.SetSliderScale(row.lengthMs);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseMove(Handle(), {row.cursorX, kOnThumb.y()});
  EXPECT_TRUE(window.IsDraggingSlider());
  EXPECT_EQ(window.GetDragPosition(), row.seconds);
  const PixelBuffer dragged = Grab();
  EXPECT_TRUE(Calls().empty());
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, {row.cursorX, kOnThumb.y()});
  EXPECT_EQ(Calls(), std::vector<std::string>{"seek " + std::to_string(row.seconds * 1000)});
  EXPECT_FALSE(window.IsDraggingSlider());
  window.OnNotifyPos(row.seconds * 1000);
  const PixelBuffer played = Grab();
  EXPECT_EQ(Crop(played, kSliderRect), Crop(dragged, kSliderRect));
  EXPECT_EQ(Crop(played, kStatusRect), Crop(dragged, kStatusRect));
}

INSTANTIATE_TEST_SUITE_P(Ends, ThumbDragTest,
                         ::testing::Values(ThumbCase{"PastTheRightEnd", 600, kLengthMs, 141},
                                           ThumbCase{"PastTheLeftEnd", -300, kLengthMs, 0},
                                           ThumbCase{"InsideAtTwoSecondsAPixel", kOnThumb.x() + 40, 284000, 80}),
                         [](const auto& info) { return std::string(info.param.name); });

// A click that does not move the thumb leaves playback where it is; a drag
// with Play lit plays on from the new place.
TEST_F(MainWindowTest, ReleasingAMovedThumbSeeksAndReplaysWhenPlayIsLit) {
  window.SetSliderScale(kLengthMs);
  window.SetElementState(12, 1);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kOnThumb);
  EXPECT_TRUE(Calls().empty());
  QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
  QTest::mouseMove(Handle(), kOnThumb + QPoint(10, 0));
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kOnThumb + QPoint(10, 0));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"seek 10000", "play"}));
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
  const PixelBuffer at30 = Crop(Grab(), kStatusRect);
  window.OnNotifyPos(31000);
  EXPECT_NE(Crop(Grab(), kStatusRect), at30) << "the time stays pinned";
}

// Presses on the bare background, the caption and the status display drag
// the window; the track display keeps its presses to itself.
TEST_F(MainWindowTest, DraggingMovesTheWindowExceptOnTheTrackDisplay) {
  const QPoint step(15, -7);
  for (const auto& [place, moves] : {std::pair{QPoint(40, 108), true}, {QPoint(120, 10), true},
                                     {QPoint(30, 60), true}, {QPoint(100, 36), false}}) {
    window.SetMainPosition({200, 150});
    QTest::mousePress(Handle(), Qt::LeftButton, {}, place);
    QTest::mouseMove(Handle(), place + step);
    // A window that followed the cursor has the same spot under it again.
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, moves ? place : place + step);
    const QPoint expected = moves ? QPoint(215, 143) : QPoint(200, 150);
    EXPECT_EQ(window.pos(), expected) << place.x() << "," << place.y();
    EXPECT_EQ(window.GetMainPosition(), expected);
  }
  EXPECT_TRUE(Calls().empty());
}

// Client (239, 10) is the caption's right edge and (100, 15) its bottom one;
// just past them, and on the status display's edge, nothing rolls up.
TEST_F(MainWindowTest, DoubleClickOnTheCaptionRollsUpAndBack) {
  for (const auto& [place, rolls] : {std::pair{QPoint(240, 11), true}, {QPoint(101, 16), true},
                                     {QPoint(241, 11), false}, {QPoint(85, 102), false}}) {
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    ASSERT_EQ(window.IsRolledUp(), rolls) << place.x() << "," << place.y();
    if (!rolls) continue;
    EXPECT_EQ(window.size(), QSize(266, 22));
    for (int id : {IDC_MINI_HOME, IDC_MINI_PLAY, IDC_MINI_END, IDC_MINI_STOP, IDC_SYSMENU, IDC_EXIT, IDC_CAPTION}) {
      EXPECT_TRUE(window.Control(id)->isVisible()) << id;
    }
    for (const auto& [id, control] : window.Controls()) {
      EXPECT_TRUE(!control->isVisible() || control->geometry().bottom() < 22) << id;
    }
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    EXPECT_EQ(window.size(), QSize(266, 114));
    EXPECT_FALSE(window.Control(IDC_MINI_PLAY)->isVisible());
    EXPECT_TRUE(window.Control(IDC_PAUSE)->isVisible());
  }
  EXPECT_EQ(window.StatusDisplay()->GetMode(), 1);
}

}  // namespace
