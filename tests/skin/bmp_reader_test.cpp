#include "bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes* out, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) out->push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A bitmap file without a palette and with rows as stored, each already padded.
Bytes Bmp(int width, int height, int bits, const Bytes& rows) {
  Bytes out{'B', 'M'};
  const std::uint32_t pixelsAt = 14 + 40;
  Put(&out, pixelsAt + static_cast<std::uint32_t>(rows.size()), 4);
  Put(&out, 0, 4);
  Put(&out, pixelsAt, 4);
  Put(&out, 40, 4);
  Put(&out, static_cast<std::uint32_t>(width), 4);
  Put(&out, static_cast<std::uint32_t>(height), 4);
  Put(&out, 1, 2);
  Put(&out, static_cast<std::uint32_t>(bits), 2);
  Put(&out, 0, 4);
  Put(&out, static_cast<std::uint32_t>(rows.size()), 4);
  Put(&out, 0, 8);  // resolution
  Put(&out, 0, 8);  // colours used (0 is all that the depth allows) and important
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
  Bytes signature = good;
  signature[0] = 'P';
  EXPECT_TRUE(Read(signature).IsEmpty());
  EXPECT_TRUE(Read(Bmp(0, 2, 24, {})).IsEmpty());
  EXPECT_TRUE(Read(Bmp(2, 0, 24, {})).IsEmpty());
  EXPECT_TRUE(Read(Bmp(1 << 20, 1, 24, {})).IsEmpty());
  EXPECT_TRUE(Read(Bmp(2, 2, 16, Bytes(16, 0))).IsEmpty());
  Bytes compressed = good;
  compressed[30] = 1;  // run-length encoded
  EXPECT_TRUE(Read(compressed).IsEmpty());
  // Eight bits announce a palette of 256 entries that the file does not hold.
  EXPECT_TRUE(Read(Bmp(4, 1, 8, Bytes(4, 0))).IsEmpty());
  Bytes farPixels = good;
  farPixels[10] = 0xFF;
  EXPECT_TRUE(Read(farPixels).IsEmpty());
  EXPECT_TRUE(ReadBmp(nullptr, 100).IsEmpty());
}

}  // namespace
