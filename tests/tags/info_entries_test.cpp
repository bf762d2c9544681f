#include "info_entries.h"

#include <gtest/gtest.h>

#include "four_cc.h"

namespace {

// Two sets of tags are the same when the same tags are present with the same
// texts; the text an absent tag still holds does not count.
TEST(InfoEntries, SamePresentTagsComparesPresentTextsOnly) {
  InfoEntries a = MakeInfoEntries(), b = MakeInfoEntries();
  StoreInfoText(a, fourcc::kICMT, "left behind");
  StoreInfoText(a, fourcc::kICMT, "");
  EXPECT_TRUE(SamePresentTags(a, b));
  StoreInfoText(b, fourcc::kIART, "x");
  EXPECT_FALSE(SamePresentTags(a, b) || SamePresentTags(b, a));
  StoreInfoText(a, fourcc::kIART, "y");
  EXPECT_FALSE(SamePresentTags(a, b));
  StoreInfoText(a, fourcc::kIART, "x");
  EXPECT_TRUE(SamePresentTags(a, b));
}

}  // namespace
