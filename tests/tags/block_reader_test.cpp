#include "block_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "four_cc.h"
#include "riff_builder.h"

namespace {

std::optional<std::uint64_t> ByteByByte(const Bytes& bytes, std::uint32_t code, std::uint64_t from) {
  for (std::uint64_t i = from; i + 4 <= bytes.size(); ++i) {
    if (Le32(bytes, static_cast<std::size_t>(i)) == code) return i;
  }
  return std::nullopt;
}

// The buffered search must find exactly the first match a byte-by-byte search
// finds, including codes straddling block boundaries and at the very end.
TEST(BlockReader, FindsTheSameFirstMatchAsAByteByByteSearch) {
  std::mt19937 random(7);
  const std::size_t block = BlockReader::kBlockSize;
  const std::vector<std::size_t> places = {0, 1, 15, 16, 17, block - 4, block - 3, block - 2, block - 1, block,
                                           2 * block - 5, 2 * block - 3, 3 * block + 1};
  for (std::size_t place : places) {
    for (std::size_t tail : {0, 1, 2, 3, 100}) {
      Bytes bytes = SampleBytes(place + 4 + tail, static_cast<std::uint32_t>(random()));
      bytes[place] = 'L', bytes[place + 1] = 'I', bytes[place + 2] = 'S', bytes[place + 3] = 'T';
      MemoryStore store(std::make_shared<Bytes>(bytes));
      BlockReader reader(store);
      for (std::uint64_t from : {std::uint64_t{0}, std::uint64_t{place}, std::uint64_t{place + 1}}) {
        EXPECT_EQ(reader.FindFourCC(fourcc::kList, from), ByteByByte(bytes, fourcc::kList, from))
            << "place " << place << " tail " << tail << " from " << from;
      }
    }
  }
}

}  // namespace
