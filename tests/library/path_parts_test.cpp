#include "path_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(PathPartsTest, SplitAtTheLastSeparatorAndDot) {
  const std::string sep(1, kPathSeparator);
  EXPECT_EQ(FolderPart(sep + "m" + sep + "a.b.wav"), sep + "m" + sep);
  EXPECT_EQ(FileNamePart(sep + "m" + sep + "a.b.wav"), "a.b.wav");
  EXPECT_EQ(ExtensionPart("a.b.wav"), "wav");
  EXPECT_EQ(FolderPart("mp3"), "");
  EXPECT_EQ(FileNamePart("mp3"), "mp3");
  EXPECT_EQ(ExtensionPart("mp3"), "mp3");  // a name without a dot is its own extension
  EXPECT_EQ(JoinPath("x" + sep, "y"), "x" + sep + "y");
}

}  // namespace
