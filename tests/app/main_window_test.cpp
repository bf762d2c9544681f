// The main window shown offscreen: mouse handling and colours, seen in its
// pixels and in what the playback window is asked to do.
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "main_dlg.h"
#include "simulated_mci_window.h"
#include "skin_button.h"
#include "skin_image.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto mci = std::make_unique<SimulatedMciWindow>();
    m_mci = mci.get();
    window.SetMciWindow(std::move(mci));
    window.show();
  }

  // Mouse events go to the native window, so Qt hands them to the control
  // under the cursor as it would a user's.
  QWindow* Handle() { return window.windowHandle(); }

  PixelBuffer Grab() { return PixelBufferFromImage(window.grab().toImage()); }

  // The part of a window picture under a control's client rectangle.
  static PixelBuffer Crop(const PixelBuffer& shot, const ClientRect& rect) {
    PixelBuffer block(rect.Width(), rect.Height());
    for (int y = 0; y < rect.Height(); ++y) {
      for (int x = 0; x < rect.Width(); ++x) {
        block.SetPixel(x, y, shot.Pixel(rect.left + kBorder + x, rect.top + kBorder + y));
      }
    }
    return block;
  }

  // What the playback window was asked to do.
  const std::vector<std::string>& Calls() const { return m_mci->Calls(); }

  CMainDlg window;
  SimulatedMciWindow* m_mci = nullptr;
};

// A medium of 142 s: one second per pixel of thumb travel.
constexpr int kLengthMs = 142000;
// On the thumb at offset 0 (it covers client x 91-111 of the slider's row).
const QPoint kOnThumb = {100 + kBorder, 75 + kBorder};

// While dragging, the thumb and the time show where it is, as playback at
// that time would show them, and nothing seeks; the release seeks once. Past
// either end the thumb stops at the end (a seek past the length or before the
// start could leave the playback window waiting for an end that never comes).
TEST_F(MainWindowTest, AThumbDraggedPastAnEndPinsItThereAndSeeksOnlyOnRelease) {
  window.SetSliderScale(kLengthMs);
  for (const auto& [cursorX, seconds] : {std::pair{-300, 0}, {600, 141}}) {
    QTest::mousePress(Handle(), Qt::LeftButton, {}, kOnThumb);
    QTest::mouseMove(Handle(), {cursorX, kOnThumb.y()});
    EXPECT_TRUE(window.IsDraggingSlider());
    EXPECT_EQ(window.GetDragPosition(), seconds);
    const PixelBuffer dragged = Grab();
    window.OnNotifyPos(70000);  // playback goes on under the drag, unseen
    EXPECT_EQ(Grab(), dragged);
    EXPECT_TRUE(Calls().empty());
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, {cursorX, kOnThumb.y()});
    EXPECT_EQ(Calls(), std::vector<std::string>{"seek " + std::to_string(seconds * 1000)});
    EXPECT_FALSE(window.IsDraggingSlider());
    window.OnNotifyPos(seconds * 1000);
    const PixelBuffer played = Grab();
    EXPECT_EQ(Crop(played, kSliderRect), Crop(dragged, kSliderRect));
    EXPECT_EQ(Crop(played, kStatusRect), Crop(dragged, kStatusRect));
    m_mci->ClearCalls();
  }
}

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

// Client (239, 10) is the caption's right edge; just past it nothing rolls up.
TEST_F(MainWindowTest, DoubleClickOnTheCaptionRollsUpAndBack) {
  for (const auto& [place, rolls] : {std::pair{QPoint(240, 11), true}, {QPoint(241, 11), false}}) {
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    ASSERT_EQ(window.IsRolledUp(), rolls) << place.x() << "," << place.y();
    if (!rolls) continue;
    EXPECT_TRUE(window.size() == QSize(266, 22) && window.Control(IDC_MINI_PLAY)->isVisible());
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    EXPECT_TRUE(window.size() == QSize(266, 114) && window.Control(IDC_PAUSE)->isVisible());
  }
}

constexpr ColorTriple kRed{255, 0, 0};

// Numbers outside the 25 elements are neither stored nor applied; -1 applies
// them all.
TEST_F(MainWindowTest, ApplyColorOutsideTheElementsChangesNothing) {
  const PixelBuffer before = Grab();
  for (int k = -1; k <= kElementCount; ++k) window.ColorDlg().SetColor(k, kRed);
  EXPECT_EQ(window.ColorDlg().GetColor(kElementCount), ColorTriple{});
  EXPECT_EQ(window.ColorDlg().GetColor(-1), ColorTriple{});
  window.ApplyColor(25);
  window.ApplyColor(-2);
  EXPECT_EQ(Grab(), before);
  window.ApplyColor(-1);
  EXPECT_EQ(window.Button(IDC_MINI_STOP)->GetColor(), kRed);
}

}  // namespace
