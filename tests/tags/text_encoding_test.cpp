#include "text_encoding.h"

#include <gtest/gtest.h>

namespace {

// Bytes that are UTF-8 are shown as they are, up to the ends of each lead
// byte's range; anything else (an overlong form, a surrogate, a point past
// U+10FFFF, a cut or broken sequence) is read as Latin-1, byte by byte.
TEST(TextEncoding, DecodeKeepsUtf8AndReadsOtherBytesAsLatin1) {
  for (const std::string utf8 : {"plain \x7f", "\xc2\x80\xdf\xbf", "\xe0\xa0\x80\xef\xbf\xbf",
                                 "\xed\x9f\xbf\xee\x80\x80", "\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", "end \xe2\x82\xac"})
    EXPECT_EQ(DecodeTagTextToUtf8(utf8), utf8);
  const std::pair<std::string, std::string> latin1[] = {
      {"caf\xe9", "caf\xc3\xa9"}, {"\x80", "\xc2\x80"}, {"\xc1\xbf", "\xc3\x81\xc2\xbf"}, {"\xc3\x28", "\xc3\x83("},
      {"\xe0\x9f\xbf", "\xc3\xa0\xc2\x9f\xc2\xbf"}, {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
      {"\xed\xbf\xbf", "\xc3\xad\xc2\xbf\xc2\xbf"}, {"\xf0\x8f\xbf\xbf", "\xc3\xb0\xc2\x8f\xc2\xbf\xc2\xbf"},
      {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"}, {"\xe2\x82", "\xc3\xa2\xc2\x82"},
      {"\xf8\x90\x80\x80", "\xc3\xb8\xc2\x90\xc2\x80\xc2\x80"}};
  for (const auto& [bytes, shown] : latin1) EXPECT_EQ(DecodeTagTextToUtf8(bytes), shown);
}

// What the user typed (UTF-8) and what a tag stores: Latin-1 when every
// character fits and the Latin-1 bytes cannot be taken for UTF-8, else the
// UTF-8 as typed. Decoding what was stored gives back what was typed.
TEST(TextEncoding, TypedTextIsStoredSoThatItReadsBackAsTyped) {
  const std::pair<std::string, std::string> rows[] = {
      {"", ""},
      {"ASCII only", "ASCII only"},
      {"Gr\xc3\xbc\xc3\x9f" "e", "Gr\xfc\xdf" "e"},
      {"\xc2\x80\xc3\xbf\xc3\xbf", "\x80\xff\xff"},
      {"\xc4\x80", "\xc4\x80"},                  // U+0100, the first point past Latin-1
      {"\xc3\x83\xc2\xa9", "\xc3\x83\xc2\xa9"},  // as Latin-1, "\xc3\xa9" would read back as one letter
      {"\xc3\x82\xc2\xa0", "\xc3\x82\xc2\xa0"},
      {"\xe6\x97\xa5\xe6\x9c\xac", "\xe6\x97\xa5\xe6\x9c\xac"},
      {"\xf0\x9f\x8e\xb5 music", "\xf0\x9f\x8e\xb5 music"},
      {"mixed \xc3\xa9 and \xe2\x82\xac", "mixed \xc3\xa9 and \xe2\x82\xac"},
  };
  for (const auto& [typed, stored] : rows) {
    EXPECT_EQ(EncodeTypedTextForTag(typed), stored) << typed;
    EXPECT_EQ(DecodeTagTextToUtf8(stored), typed) << typed;
  }
}

}  // namespace
