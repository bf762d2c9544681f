// The controller's rules that need no window: the random draw and the tag tip.
#include <gtest/gtest.h>

#include <vector>

#include "play_order.h"
#include "random15.h"
#include "tag_tip.h"

namespace {

// 32767 * 100000 does not fit 32 bits.
TEST(RandomIndexTest, SpreadsTheDrawOverTheAlbumWithoutOverflow) {
  EXPECT_EQ((std::vector<int>{RandomIndex(0, 7), RandomIndex(32767, 7), RandomIndex(16384, 2), RandomIndex(32767, 100000)}),
            (std::vector<int>{0, 6, 1, 99996}));
}

TEST(Random15Test, DrawsStayInFifteenBitsAndFollowTheSeed) {
  CRandom15 first, second, other;
  first.Seed(1234);
  second.Seed(1234);
  other.Seed(1235);
  int differing = 0;
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t value = first.Next();
    ASSERT_TRUE(value >= 0 && value < kRandomRange) << value;
    EXPECT_EQ(value, second.Next());
    differing += value != other.Next();
  }
  // Each start seeds from the clock: a seed that changed nothing would play
  // every album in the same "random" order.
  EXPECT_GT(differing, 900);
}

TEST(TagTipTest, ChosenTagsInOrderWithCommentBeforeSource) {
  MediaEntry track;
  track.m_strArtist = "Artist";
  track.m_strGenre = "Genre";
  track.m_strComment = "Comment";
  track.m_strSource = "Source";
  CTagDisplayDlg flags;
  EXPECT_EQ(TagTipText(track, flags), "");
  for (int number : {6, 5, 3}) flags.SetTagFlag(number, 1);
  EXPECT_EQ(TagTipText(track, flags), "Genre / Comment / Source / ");
}

TEST(TagDisplayDlgTest, NumbersOutsideOneToSixAreRefused) {
  CTagDisplayDlg flags;
  std::vector<std::string> shown;
  flags.SetMessageSink([&shown](const std::string& text) { shown.push_back(text); });
  for (int number : {0, 1, 6, 7}) flags.SetTagFlag(number, 1);
  EXPECT_EQ(std::tuple(flags.GetTagFlag(1) + flags.GetTagFlag(6), flags.GetTagFlag(7), shown),
            std::tuple(2, 0, std::vector<std::string>{"Bad tag parameter"}));
}

}  // namespace
