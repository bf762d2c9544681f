#include "message_box.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxTest, RecordersNestAndPutBackTheOuterOne) {
  CMessageBoxRecorder outer;
  {
    CMessageBoxRecorder inner;
    ShowMessageBox(nullptr, QStringLiteral("inner"));
    EXPECT_EQ(inner.Texts(), QStringList{QStringLiteral("inner")});
  }
  ShowMessageBox(nullptr, QStringLiteral("outer"));
  EXPECT_EQ(outer.Texts(), QStringList{QStringLiteral("outer")});
}

}  // namespace
