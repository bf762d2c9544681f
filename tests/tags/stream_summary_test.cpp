#include "stream_summary.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  std::uint16_t Tag;
  std::string Name;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.Tag; }

class FormatNames : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNames, NameOfTag) { EXPECT_EQ(FormatNameOf(GetParam().Tag), GetParam().Name); }

INSTANTIATE_TEST_SUITE_P(Table, FormatNames,
                         testing::Values(FormatCase{1, "PCM"}, FormatCase{85, "MPEG Layer-3 audio"},
                                         FormatCase{0x0039, "Crystal Semi IMA ADPCM"}, FormatCase{0x1004, "Olivetti OPR"},
                                         FormatCase{0x0200, "Creative ADPCM"}, FormatCase{3, "IEEE Float"},
                                         FormatCase{0, "Unknown"}, FormatCase{0x1005, "Unknown"},
                                         FormatCase{0xFFFF, "Unknown"}));

TEST(FormatNames, TableHasFortyOneNames) {
  int known = 0;
  for (int tag = 0; tag <= 0xFFFF; ++tag) known += std::string(FormatNameOf(static_cast<std::uint16_t>(tag))) != "Unknown";
  EXPECT_EQ(known, 42);
}

struct TextCase {
  std::uint32_t Value;
  std::string Text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.Value; }

class ChannelTexts : public testing::TestWithParam<TextCase> {};
TEST_P(ChannelTexts, Text) {
  EXPECT_EQ(BuildStreamSummary(1, static_cast<std::uint16_t>(GetParam().Value), 0, 0, 0, 0).Channels, GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Counts, ChannelTexts,
                         testing::Values(TextCase{1, "Mono"}, TextCase{2, "Stereo"}, TextCase{0, "Unknown"},
                                         TextCase{6, "Unknown"}));

class DataRateTexts : public testing::TestWithParam<TextCase> {};
TEST_P(DataRateTexts, Text) {
  EXPECT_EQ(BuildStreamSummary(1, 2, 0, GetParam().Value, 0, 0).DataRate, GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Rates, DataRateTexts,
                         testing::Values(TextCase{8000, "62 kbps"}, TextCase{11025, "86 kbps"},
                                         TextCase{19999, "156 kbps"}, TextCase{20000, "19 KB/s"},
                                         TextCase{176400, "172 KB/s"}, TextCase{0, "0 kbps"},
                                         TextCase{0xFFFFFFFF, "4194303 KB/s"}));

class RiffSizeTexts : public testing::TestWithParam<TextCase> {};
TEST_P(RiffSizeTexts, Text) {
  EXPECT_EQ(BuildStreamSummary(1, 2, 0, 0, 0, GetParam().Value).RiffSize, GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Sizes, RiffSizeTexts,
                         testing::Values(TextCase{1024, "1024"}, TextCase{1025, "1025 (1.00KB)"},
                                         TextCase{1048576, "1048576 (1024.00KB)"}, TextCase{1048577, "1048577 (1.00MB)"},
                                         TextCase{0, "0"}, TextCase{0x80000000u, "2147483648 (2048.00MB)"}));

TEST(StreamSummary, CommonPcmFile) {
  const StreamSummary s = BuildStreamSummary(1, 2, 44100, 176400, 16, 0x80000000u);
  EXPECT_EQ(s.FormatName, "PCM");
  EXPECT_EQ(s.SampleRate, "44100");
  EXPECT_EQ(s.BitsPerSample, "16");
  EXPECT_EQ(s.DataRate, "172 KB/s");
  EXPECT_EQ(BuildStreamSummary(1, 2, 3000000000u, 0, 0, 0).SampleRate, "3000000000");  // unsigned
}

}  // namespace
