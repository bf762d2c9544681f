#include "text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, DecodeKeepsUtf8AndReadsOtherBytesAsLatin1) {
  EXPECT_EQ(DecodeTagTextToUtf8("plain"), "plain");
  EXPECT_EQ(DecodeTagTextToUtf8("caf\xc3\xa9"), "caf\xc3\xa9");
  EXPECT_EQ(DecodeTagTextToUtf8("caf\xe9"), "caf\xc3\xa9");
  EXPECT_EQ(DecodeTagTextToUtf8("\xc0\xaf"), "\xc3\x80\xc2\xaf");  // overlong form is not UTF-8
  EXPECT_EQ(DecodeTagTextToUtf8("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xc2\x80");  // nor is a surrogate
  // The shortest three- and four-byte forms are UTF-8.
  EXPECT_EQ(DecodeTagTextToUtf8("\xe0\xa0\x80\xf0\x90\x80\x80"), "\xe0\xa0\x80\xf0\x90\x80\x80");
}

TEST(TextEncoding, EncodeStoresLatin1WhenEveryCharacterFits) {
  EXPECT_EQ(EncodeTypedTextForTag("caf\xc3\xa9"), "caf\xe9");
  EXPECT_EQ(EncodeTypedTextForTag("\xe2\x82\xac 5"), "\xe2\x82\xac 5");  // the euro sign needs UTF-8
  EXPECT_EQ(EncodeTypedTextForTag("\xc3\x83\xc2\xa9"), "\xc3\x83\xc2\xa9");  // "Ã©" would read back as "é"
}

class TypedTextRoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(TypedTextRoundTrip, DecodingWhatWasStoredGivesWhatWasTyped) {
  EXPECT_EQ(DecodeTagTextToUtf8(EncodeTypedTextForTag(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedTextRoundTrip,
                         testing::Values("", "ASCII only", "Gr\xc3\xbc\xc3\x9f" "e", "\xc3\x83\xc2\xa9",
                                         "\xc3\x82\xc2\xa0", "\xc3\xbf\xc3\xbf", "\xe6\x97\xa5\xe6\x9c\xac",
                                         "\xf0\x9f\x8e\xb5 music", "mixed \xc3\xa9 and \xe2\x82\xac"));

}  // namespace
