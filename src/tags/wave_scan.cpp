#include "wave_scan.h"

#include <algorithm>

#include "block_reader.h"
#include "four_cc.h"

namespace {

void ReadHeader(BlockReader& reader, WaveScan& scan) {
  scan.RiffSize = reader.Le32At(4);
  scan.FormatTag = reader.Le16At(20);
  scan.Channels = reader.Le16At(22);
  scan.SamplesPerSec = reader.Le32At(24);
  scan.AvgBytesPerSec = reader.Le32At(28);
  scan.BitsPerSample = reader.Le16At(34);
}

void FindDataChunk(BlockReader& reader, WaveScan& scan) {
  const auto found = reader.FindFourCC(fourcc::kData, 0, kDataSearchPositions);
  if (!found) return;
  scan.DataFound = true;
  scan.DataOffset = static_cast<std::uint32_t>(*found);
  scan.DataSize = reader.Le32At(*found + 4);
  scan.DataSizeIsZero = scan.DataSize == 0;
}

// The LIST search starts at the first byte after the data chunk's declared end
// (a pad byte is simply searched over); without a data chunk that is byte 8.
void FindInfoList(BlockReader& reader, WaveScan& scan) {
  const std::uint64_t afterData = std::uint64_t{scan.DataOffset} + scan.DataSize + 8;
  const auto list = reader.FindFourCC(fourcc::kList, afterData);
  if (!list) return;
  scan.ListFound = true;
  scan.ListOffset = *list;
  scan.ListSize = reader.Le32At(*list + 4);
  const auto info = reader.FindFourCC(fourcc::kInfo, *list + 8);
  if (!info) return;
  scan.InfoFound = true;
  scan.InfoOffset = *info;
}

// Each sub-chunk is an identifier, a size and a text, padded to an even
// length. The text ends at its first NUL inside the declared size; a later
// sub-chunk with the same identifier replaces the earlier text.
void ReadSubChunks(BlockReader& reader, WaveScan& scan) {
  std::uint64_t position = scan.InfoOffset + 4;
  const std::uint64_t end = scan.InfoOffset + scan.ListSize;
  while (position < end && position + 8 <= reader.Size()) {
    const std::uint32_t id = reader.Le32At(position);
    const std::uint32_t size = reader.Le32At(position + 4);
    const std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(size, kMaxInfoTextBytes));
    StoreInfoText(scan.Entries, id, reader.ReadText(position + 8, length));
    std::uint64_t next = position + 8 + size;
    next += next & 1;
    if (next <= position) break;
    position = next;
  }
}

}  // namespace

WaveScan ScanWave(ByteSource& source) {
  WaveScan scan;
  BlockReader reader(source);
  ReadHeader(reader, scan);
  FindDataChunk(reader, scan);
  FindInfoList(reader, scan);
  if (scan.InfoFound) ReadSubChunks(reader, scan);
  return scan;
}
