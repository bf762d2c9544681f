#include "tag_tip.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

MediaEntry Tagged() {
  MediaEntry track;
  track.m_strArtist = "Artist";
  track.m_strName = "Name";
  track.m_strGenre = "Genre";
  track.m_strDate = "1999";
  track.m_strComment = "Comment";
  track.m_strSource = "Source";
  return track;
}

TEST(TagTipTest, ChosenTagsInOrderWithCommentBeforeSource) {
  CTagDisplayDlg flags;
  EXPECT_EQ(TagTipText(Tagged(), flags), "");
  flags.SetTagFlag(6, 1);
  flags.SetTagFlag(5, 1);
  flags.SetTagFlag(3, 1);
  EXPECT_EQ(TagTipText(Tagged(), flags), "Genre / Comment / Source / ");
}

TEST(TagDisplayDlgTest, NumbersOutsideOneToSixAreRefused) {
  CTagDisplayDlg flags;
  std::vector<std::string> shown;
  flags.SetMessageSink([&shown](const std::string& text) { shown.push_back(text); });
  flags.SetTagFlag(0, 1);
  flags.SetTagFlag(7, 1);
  flags.SetTagFlag(6, 1);
  EXPECT_EQ(flags.GetTagFlag(6), 1);
  EXPECT_EQ(flags.GetTagFlag(7), 0);
  EXPECT_EQ(shown, std::vector<std::string>{"Bad tag parameter"});
}

}  // namespace
