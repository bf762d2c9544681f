#include "bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A bitmap file without a palette and with rows as stored, each already padded.
Bytes Bmp(int width, int height, int bits, const Bytes& rows) {
  const auto u32 = [](auto value) { return static_cast<std::uint32_t>(value); };
  // File size, reserved, where the pixels start, header size, width, height,
  // one plane and the depth, compression, image size, resolution (two), colours
  // used (0: all that the depth allows) and important colours.
  const std::uint32_t fields[] = {u32(54 + rows.size()), 0, 54, 40, u32(width), u32(height), 1 | u32(bits) << 16, 0,
                                  u32(rows.size()), 0, 0, 0, 0};
  Bytes out{'B', 'M'};
  for (const std::uint32_t field : fields) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(field >> shift));
  }
  out.insert(out.end(), rows.begin(), rows.end());
  return out;
}

PixelBuffer Read(const Bytes& file) { return ReadBmp(file.data(), file.size()); }

TEST(ReadBmp, DamagedOrUnknownFilesGiveAnEmptyBuffer) {
  const Bytes good = Bmp(2, 2, 24, Bytes(16, 7));
  ASSERT_FALSE(Read(good).IsEmpty());

  for (std::size_t cut : {std::size_t{0}, std::size_t{13}, std::size_t{53}, good.size() - 1}) {
    EXPECT_TRUE(Read(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut))).IsEmpty()) << cut;
  }
  const auto patched = [&good](std::size_t at, std::uint8_t value) {
    Bytes file = good;
    file[at] = value;
    return file;
  };
  // No "BM", no width, no height, too wide, 16 bits, run-length encoded, eight bits announcing
  // a palette of 256 entries that the file does not hold, pixels past the end.
  const Bytes damaged[] = {patched(0, 'P'), Bmp(0, 2, 24, {}), Bmp(2, 0, 24, {}), Bmp(1 << 20, 1, 24, {}),
                           Bmp(2, 2, 16, Bytes(16, 0)), patched(30, 1), Bmp(4, 1, 8, Bytes(4, 0)), patched(10, 0xFF)};
  for (std::size_t i = 0; i < std::size(damaged); ++i) EXPECT_TRUE(Read(damaged[i]).IsEmpty()) << "file " << i;
  EXPECT_TRUE(ReadBmp(nullptr, 100).IsEmpty());
}

}  // namespace
