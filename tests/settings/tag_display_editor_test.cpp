#include "tag_display_editor.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

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

TEST_F(TagDisplayEditorTest, ClicksToggleFlagsAtOnce) {
  flags[4] = 1;
  editor.Open();
  EXPECT_TRUE(Box(4).isChecked());
  EXPECT_FALSE(Box(1).isChecked());
  Click(1);
  Click(4);
  Click(5);
  EXPECT_EQ(flags, (std::array<int, 7>{0, 1, 0, 0, 0, 1, 0}));
  EXPECT_TRUE(Box(1).isChecked());
  EXPECT_FALSE(Box(4).isChecked());
  EXPECT_TRUE(Box(5).isChecked());
}

TEST_F(TagDisplayEditorTest, EscapeKeepsACheckedBoxAndReopeningShowsIt) {
  editor.Open();
  Click(6);
  QTest::keyClick(editor.Window(), Qt::Key_Escape);
  EXPECT_FALSE(editor.WindowExists());
  EXPECT_EQ(flags[6], 1);
  editor.Open();
  for (int number = 1; number <= 6; ++number) EXPECT_EQ(Box(number).isChecked(), number == 6) << number;
}

TEST_F(TagDisplayEditorTest, TheWindowReopensWhereItWasLeft) {
  editor.SetWindowPos(QPoint(60, 70));
  editor.Open();
  EXPECT_EQ(editor.Window()->pos(), QPoint(60, 70));
  editor.Window()->move(200, 120);
  QTest::mouseClick(&editor.Window()->OkButton(), Qt::LeftButton);
  EXPECT_EQ(editor.GetWindowPos(), QPoint(200, 120));
}

TEST_F(TagDisplayEditorTest, AnOffScreenPlaceOpensAtTheDefault) {
  editor.SetWindowPos(QPoint(-5000, -5000));
  editor.Open();
  EXPECT_EQ(editor.Window()->pos(), QPoint(10, 10));
}

}  // namespace
