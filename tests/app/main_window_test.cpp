// The main window shown offscreen: mouse handling and colours, seen in its
// pixels and in what the playback window is asked to do.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "main_dlg.h"
#include "simulated_mci_window.h"
#include "skin_button.h"
#include "widget_pixels.h"

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

  PixelBuffer Grab() { return ::Grab(window); }

  // Screen pixels per skin pixel (the screen's scale is 1 here).
  int Scale() const { return window.Zoom().DevicePixels(); }
  // The first and the last screen pixel of a skin pixel's block, given in
  // window coordinates at 1x.
  QPoint First(QPoint skin) const { return skin * Scale(); }
  QPoint Last(QPoint skin) const { return First(skin) + QPoint(Scale() - 1, Scale() - 1); }

  // The part of a window picture under a control's client rectangle.
  PixelBuffer Crop(const PixelBuffer& shot, const ClientRect& rect) const {
    const int n = Scale();
    return ::Crop(shot, (rect.left + kBorder) * n, (rect.top + kBorder) * n, rect.Width() * n, rect.Height() * n);
  }

  // What the playback window was asked to do.
  const std::vector<std::string>& Calls() const { return m_mci->Calls(); }

  CMainDlg window;
  SimulatedMciWindow* m_mci = nullptr;
};

// The mouse at 1x, 2x and 3x: every place below is given in skin pixels.
class ZoomedWindowTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window.SetZoom(GetParam());
  }
};

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomedWindowTest, ::testing::Values(1, 2, 3));

constexpr ColorTriple kGreen{0, 255, 0};

// How many rows of a picture hold a pixel of kGreen.
int GreenRows(const PixelBuffer& picture) {
  std::set<int> rows;
  FindPixel(picture, [&rows](ColorTriple p, int, int y) {
    if (p == kGreen) rows.insert(y);
    return false;  // every pixel is looked at
  });
  return static_cast<int>(rows.size());
}

// A medium of 142 s: one second per pixel of thumb travel.
constexpr int kLengthMs = 142000;
// On the thumb at offset 0 (it covers client x 91-111 of the slider's row).
const QPoint kOnThumb = {100 + kBorder, 75 + kBorder};

// While dragging, the thumb and the time show where it is, as playback at
// that time would show them, and nothing seeks; the release seeks once, and
// plays on from there when Play is lit. Past either end the thumb stops at the
// end (a seek past the length or before the start could leave the playback
// window waiting for an end that never comes). Zoomed, the travel is as many
// skin pixels, up to the last screen pixel of one, and seeks by as much per
// pixel. A click that does not move the thumb leaves playback where it is.
TEST_P(ZoomedWindowTest, AThumbDragSeeksOnceOnReleaseAndStopsAtTheEnds) {
  window.SetSliderScale(kLengthMs);
  QTest::mousePress(Handle(), Qt::LeftButton, {}, Last(kOnThumb));
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, Last(kOnThumb));
  EXPECT_TRUE(Calls().empty());
  for (const auto& [cursor, seconds, playLit] : {std::tuple{First({-100, kOnThumb.y()}), 0, false},
                                                  {First({300, kOnThumb.y()}), 141, false},
                                                  {Last(kOnThumb + QPoint(10, 0)), 10, true}}) {
    window.OnNotifyPos(0);
    window.SetElementState(12, playLit);
    QTest::mousePress(Handle(), Qt::LeftButton, {}, First(kOnThumb));
    QTest::mouseMove(Handle(), cursor);
    EXPECT_EQ(std::tuple(window.IsDraggingSlider(), window.GetDragPosition()), std::tuple(true, seconds));
    const PixelBuffer dragged = Grab();
    window.OnNotifyPos(70000);  // playback goes on under the drag, unseen
    EXPECT_TRUE(Grab() == dragged && Calls().empty());
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, cursor);
    std::vector<std::string> expected = {"seek " + std::to_string(seconds * 1000)};
    if (playLit) expected.push_back("play");
    EXPECT_EQ(std::tuple(Calls(), window.IsDraggingSlider()), std::tuple(expected, false));
    window.OnNotifyPos(seconds * 1000);
    const PixelBuffer played = Grab();
    EXPECT_EQ(std::tuple(Crop(played, kSliderRect), Crop(played, kStatusRect)),
              std::tuple(Crop(dragged, kSliderRect), Crop(dragged, kStatusRect)));
    m_mci->ClearCalls();
  }
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
TEST_P(ZoomedWindowTest, DoubleClickOnTheCaptionRollsUpAndBack) {
  const int n = GetParam();
  for (const auto& [place, rolls] : {std::pair{Last({240, 11}), true}, {First({241, 11}), false}}) {
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    ASSERT_EQ(window.IsRolledUp(), rolls) << place.x() << "," << place.y();
    if (!rolls) continue;
    EXPECT_TRUE(window.size() == QSize(266 * n, 22 * n) && window.Control(IDC_MINI_PLAY)->isVisible());
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, place);
    EXPECT_TRUE(window.size() == QSize(266 * n, 114 * n) && window.Control(IDC_PAUSE)->isVisible());
  }
}

// Each button answers a click at its centre, and no other button does; the
// four small ones while the window is rolled up.
TEST_P(ZoomedWindowTest, AClickAtTheCentreOfEachButtonPressesThatButtonAlone) {
  std::map<int, int> clicks;
  for (const SkinButtonPlace& place : kSkinButtons) {
    QObject::disconnect(window.Button(place.id), &CSkinButton::clicked, &window, nullptr);
    QObject::connect(window.Button(place.id), &CSkinButton::clicked, [&clicks, id = place.id] { ++clicks[id]; });
  }
  for (const bool rolledUp : {false, true}) {
    if (rolledUp) window.ToggleRollUp();
    for (const SkinButtonPlace& place : kSkinButtons) {
      if (place.small != rolledUp) continue;
      const QPoint centre((place.rect.left + place.rect.right) / 2 + kBorder,
                          (place.rect.top + place.rect.bottom) / 2 + kBorder);
      clicks.clear();
      QTest::mouseClick(Handle(), Qt::LeftButton, {}, First(centre));
      EXPECT_EQ(clicks, (std::map<int, int>{{place.id, 1}})) << place.tip;
    }
  }
}

// Moved to the screen scaled by 1.5, every skin pixel is a block of its colour
// at 1x, of whole device pixels (the zoom times 1.5 rounded); the track
// display's text is drawn anew at the block's size. (2x on a plain screen and
// on one scaled from the start is checked on a real screen.)
TEST_F(MainWindowTest, OnAScaledScreenEverySkinPixelIsABlockOfItsColourAtOneX) {
  window.ColorDlg().SetColor(kElementTrackDisplay, kGreen);
  window.ApplyColor(-1);
  const PixelBuffer one = Grab();
  const int textHeight = GreenRows(Crop(one, kTrackDisplayRect));
  QScreen* scaled = QGuiApplication::screens().value(1);
  ASSERT_TRUE(scaled != nullptr && scaled->devicePixelRatio() == 1.5);
  Handle()->setScreen(scaled);
  window.move(scaled->geometry().topLeft() + QPoint(10, 10));
  QCoreApplication::processEvents();
  for (const auto& [zoom, n] : {std::pair{1, 2}, {2, 3}}) {
    window.SetZoom(zoom);
    ASSERT_EQ(Scale(), n);
    const PixelBuffer zoomed = Grab();
    // A window of a fractional logical size ends in a part of a device pixel.
    ASSERT_TRUE(zoomed.Width() - 266 * n == (n == 2) && zoomed.Height() == 114 * n)
        << zoomed.Width() << " x " << zoomed.Height();
    int differing = 0;
    for (int y = 0; y < 114 * n; ++y) {
      for (int x = 0; x < 266 * n; ++x) {
        const bool text = kTrackDisplayRect.ContainsInclusive(x / n - kBorder, y / n - kBorder);
        differing += !text && zoomed.Pixel(x, y) != one.Pixel(x / n, y / n);
      }
    }
    EXPECT_EQ(differing, 0) << n << " x " << n;
    const int zoomedTextHeight = GreenRows(Crop(zoomed, kTrackDisplayRect));
    EXPECT_TRUE(zoomedTextHeight >= (n * 2 - 1) * textHeight / 2 && zoomedTextHeight <= (n * 2 + 1) * textHeight / 2)
        << textHeight << " rows at 1x, " << zoomedTextHeight << " in " << n << " x " << n << " blocks";
  }
  // 3x would be 5 x 5 device pixels a skin pixel there: wider than the screen.
  window.ShowSystemMenu(scaled->geometry().center());
  const QList<QAction*> zooms = window.SystemMenu()->actions().value(2)->menu()->actions();
  EXPECT_TRUE(zooms.size() == 3 && zooms[1]->isEnabled() && !zooms[2]->isEnabled());
  window.SystemMenu()->hide();
}

constexpr ColorTriple kRed{255, 0, 0};

// Numbers outside the 25 elements are neither stored nor applied; -1 applies
// them all.
TEST_F(MainWindowTest, ApplyColorOutsideTheElementsChangesNothing) {
  const PixelBuffer before = Grab();
  for (int k = -1; k <= kElementCount; ++k) window.ColorDlg().SetColor(k, kRed);
  EXPECT_EQ(std::tuple(window.ColorDlg().GetColor(kElementCount), window.ColorDlg().GetColor(-1)), std::tuple(ColorTriple{}, ColorTriple{}));
  window.ApplyColor(25);
  window.ApplyColor(-2);
  EXPECT_EQ(Grab(), before);
  window.ApplyColor(-1);
  EXPECT_EQ(window.Button(IDC_MINI_STOP)->GetColor(), kRed);
}

}  // namespace
