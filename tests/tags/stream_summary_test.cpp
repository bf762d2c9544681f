#include "stream_summary.h"

#include <gtest/gtest.h>

namespace {

// The boundaries of every text: known and unknown format tags, the switch
// from kilobits to kilobytes, from bytes to KB to MB, and sizes past 2 GiB
// printed unsigned.
TEST(StreamSummary, TextsAtTheirBoundaries) {
  EXPECT_EQ(std::string(FormatNameOf(0x1004)), "Olivetti OPR");  // the last row
  EXPECT_EQ(std::string(FormatNameOf(3)), "IEEE Float");
  for (std::uint16_t tag : {0, 0x1005, 0xFFFF}) EXPECT_EQ(std::string(FormatNameOf(tag)), "Unknown") << tag;
  EXPECT_EQ(BuildStreamSummary(1, 6, 0, 0, 0, 0).Channels, "Unknown");
  for (const auto& [rate, text] : std::vector<std::pair<std::uint32_t, std::string>>{
           {19999, "156 kbps"}, {20000, "19 KB/s"}, {0xFFFFFFFF, "4194303 KB/s"}})
    EXPECT_EQ(BuildStreamSummary(1, 2, 0, rate, 0, 0).DataRate, text) << rate;
  for (const auto& [size, text] : std::vector<std::pair<std::uint32_t, std::string>>{
           {1024, "1024"}, {1025, "1025 (1.00KB)"}, {1048576, "1048576 (1024.00KB)"},
           {1048577, "1048577 (1.00MB)"}, {0x80000000u, "2147483648 (2048.00MB)"}})
    EXPECT_EQ(BuildStreamSummary(1, 2, 0, 0, 0, size).RiffSize, text) << size;
  EXPECT_EQ(BuildStreamSummary(1, 2, 3000000000u, 0, 0, 0).SampleRate, "3000000000");
}

}  // namespace
