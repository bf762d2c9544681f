#include "color_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "color_window.h"
#include "fake_color_host.h"
#include "settings_table.h"

namespace {

constexpr int kStop = 15;

class ColorDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { dlg.Open(host); }
  void TearDown() override {
    if (dlg.WindowExists()) dlg.Window()->reject();
  }

  CColorWindow& Window() { return *dlg.Window(); }
  QLineEdit& Edit(ColorComponent c) { return Window().Edit(c); }
  QSlider& Slider(ColorComponent c) { return Window().Slider(c); }
  void Type(ColorComponent c, const char* text) {
    Edit(c).selectAll();
    QTest::keyClicks(&Edit(c), QString::fromLatin1(text));
  }

  FakeColorHost host;
  CColorDlg dlg;
};

TEST_F(ColorDlgTest, OpensOnTheFirstElementLitAndAnotherChoiceGivesItsStateBack) {
  EXPECT_EQ(std::tuple(dlg.CurrentElement(), Slider(ColorComponent::Blue).value(), host.lit[0], host.openChanges),
            std::tuple(0, 255, 1, std::vector<bool>{true}));
  Window().ElementList().setCurrentIndex(Window().ElementList().findText("Stop button"));
  EXPECT_EQ(std::tuple(dlg.CurrentElement(), host.lit[0], host.lit[kStop], Slider(ColorComponent::Green).value()),
            std::tuple(kStop, 0, 1, 255));
  EXPECT_EQ(Edit(ColorComponent::Red).text() + "," + Edit(ColorComponent::Green).text(), "0,255");
  host.lit[12] = 1;  // Play, lit before it is chosen, stays lit after
  Window().ElementList().setCurrentIndex(12);
  Window().ElementList().setCurrentIndex(0);
  EXPECT_EQ(std::tuple(host.lit[12], host.lit[kStop]), std::tuple(1, 0));
}

TEST(ColorDlgTableTest, StartsWithTheColoursAFirstRunReads) {
  CColorDlg dlg;
  for (int k = 0; k < kColorElementCount; ++k) EXPECT_EQ(dlg.GetColor(k), DefaultSettings().colors[k]) << k;
}

// The text stays as typed; the colour takes its low byte and is applied. A
// slider request starts from the stored value, not from the text (300 is 44).
TEST_F(ColorDlgTest, TypingStoresTheLowByteAndASliderRequestStartsFromIt) {
  for (const auto& [text, stored] : std::vector<std::pair<QString, int>>{{"128", 128}, {"300", 44}, {"-1", 255}, {"abc", 0}}) {
    host.applied.clear();
    Type(ColorComponent::Blue, text.toLatin1().constData());
    EXPECT_EQ(std::tuple(dlg.GetColor(0), Slider(ColorComponent::Blue).value(), Edit(ColorComponent::Blue).text(),
                         host.applied.empty() ? -1 : host.applied.back()),
              std::tuple(ColorTriple{255, 255, static_cast<std::uint8_t>(stored)}, stored, text, 0))
        << text.toStdString();
  }
  Type(ColorComponent::Green, "300");
  Slider(ColorComponent::Green).triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(std::tuple(int{dlg.GetColor(0).green}, Edit(ColorComponent::Green).text(), Slider(ColorComponent::Green).value()),
            std::tuple(108, QStringLiteral("108"), 108));
}

// Escape keeps the typed colour, recolours nothing and puts the lit state
// back; OK recolours every element.
TEST_F(ColorDlgTest, EscapeKeepsTheChangesAndOkRecoloursEveryElement) {
  Window().ElementList().setCurrentIndex(12);
  Type(ColorComponent::Red, "7");
  host.applied.clear();
  QTest::keyClick(dlg.Window(), Qt::Key_Escape);
  EXPECT_EQ(std::tuple(dlg.WindowExists(), dlg.GetColor(12), host.lit[12], host.applied.empty()), std::tuple(false, ColorTriple{7, 255, 0}, 0, true))
      << "cancel recolours nothing";
  dlg.Open(host);
  QTest::mouseClick(&Window().OkButton(), Qt::LeftButton);
  EXPECT_EQ(std::tuple(dlg.WindowExists(), host.applied.back(), host.openChanges),
            std::tuple(false, -1, std::vector<bool>{true, false, true, false}));
}

// The menu waits in RunModal: it must come back after OK and after Escape.
TEST(ColorDlgModalTest, RunModalEndsWithOkAsOne) {
  FakeColorHost host;
  CColorDlg dlg;
  QTimer::singleShot(0, [&dlg] { dlg.Window()->accept(); });
  EXPECT_EQ(dlg.RunModal(host), 1);
  QTimer::singleShot(0, [&dlg] { QTest::keyClick(dlg.Window(), Qt::Key_Escape); });
  EXPECT_EQ(dlg.RunModal(host), 0);
}

}  // namespace
