#include "display_text.h"

#include <gtest/gtest.h>

TEST(DecodeDisplayText, ReadsValidUtf8AsUtf8) {
  EXPECT_EQ(DecodeDisplayText("Caf\xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9"));
}

TEST(DecodeDisplayText, ReadsOtherBytesAsLatin1) {
  EXPECT_EQ(DecodeDisplayText("Caf\xe9 \xff"), QString::fromLatin1("Caf\xe9 \xff"));
}
