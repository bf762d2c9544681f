#include "play_order.h"

#include <gtest/gtest.h>

#include "random15.h"

namespace {

TEST(RandomIndexTest, SpreadsTheDrawOverTheAlbum) {
  EXPECT_EQ(RandomIndex(0, 7), 0);
  EXPECT_EQ(RandomIndex(32767, 7), 6);
  EXPECT_EQ(RandomIndex(16384, 2), 1);
}

TEST(RandomIndexTest, BigAlbumsDoNotOverflow) {
  // 32767 * 100000 does not fit 32 bits.
  EXPECT_EQ(RandomIndex(32767, 100000), 99996);
}

TEST(Random15Test, DrawsStayInFifteenBitsAndFollowTheSeed) {
  CRandom15 first;
  CRandom15 second;
  first.Seed(1234);
  second.Seed(1234);
  bool sawHighHalf = false;
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t value = first.Next();
    ASSERT_GE(value, 0);
    ASSERT_LT(value, kRandomRange);
    sawHighHalf = sawHighHalf || value >= kRandomRange / 2;
    EXPECT_EQ(value, second.Next());
  }
  EXPECT_TRUE(sawHighHalf);
}

}  // namespace
