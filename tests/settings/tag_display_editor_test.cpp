#include "tag_display_editor.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "tag_display_window.h"

namespace {

class TagDisplayEditorTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (editor.WindowExists()) editor.Window()->reject();
  }

  QCheckBox& Box(int number) { return editor.Window()->Box(number); }
  void Click(int number) { QTest::mouseClick(&Box(number), Qt::LeftButton, {}, QPoint(4, 6)); }

  std::array<int, 7> flags{};  // by number; 0 unused
  CTagDisplayEditor editor{[this](int n) { return flags[static_cast<std::size_t>(n)]; },
                           [this](int n, int v) { flags[static_cast<std::size_t>(n)] = v; }};
};

// A click sets its flag at once, so Escape keeps it and reopening shows it.
// The menu waits in RunModal: Escape ends it with 0, and asked again while
// the window is up it answers 0 at once.
TEST_F(TagDisplayEditorTest, ClicksToggleFlagsAtOnceAndEscapeKeepsThem) {
  flags[4] = 1;
  QTimer::singleShot(0, [this] {
    EXPECT_TRUE(Box(4).isChecked());
    for (int number : {1, 4, 6}) Click(number);
    EXPECT_EQ((std::tuple{flags, editor.RunModal()}), std::tuple(std::array<int, 7>{0, 1, 0, 0, 0, 0, 1}, 0));
    QTest::keyClick(editor.Window(), Qt::Key_Escape);
  });
  EXPECT_EQ(editor.RunModal(), 0);
  EXPECT_EQ(std::tuple(editor.WindowExists(), flags), std::tuple(false, std::array<int, 7>{0, 1, 0, 0, 0, 0, 1}));
  editor.Open();
  for (int number = 1; number <= 6; ++number) EXPECT_EQ(Box(number).isChecked(), number == 1 || number == 6) << number;
}

}  // namespace
