#include "wave_scan.h"

#include <algorithm>

#include "block_reader.h"
#include "four_cc.h"
#include "riff_chunk_walk.h"

namespace {

constexpr std::uint16_t kExtensibleFormat = 0xFFFE;
// An extensible fmt chunk holds 40 bytes or more; its sub-format's code is the
// first field of the GUID at byte 24 of the chunk.
constexpr std::uint32_t kExtensibleFmtSize = 40;

void ReadHeader(BlockReader& reader, WaveScan& scan) {
  scan.RiffWaveHeader = HasRiffWaveHeader(reader);
  scan.RiffSize = reader.Le32At(4);
  scan.FormatTag = reader.Le16At(20);
  scan.Channels = reader.Le16At(22);
  scan.SamplesPerSec = reader.Le32At(24);
  scan.AvgBytesPerSec = reader.Le32At(28);
  scan.BitsPerSample = reader.Le16At(34);
  if (scan.FormatTag == kExtensibleFormat && reader.Le32At(12) == fourcc::kFmt &&
      reader.Le32At(16) >= kExtensibleFmtSize)
    scan.SubFormatTag = reader.Le16At(44);
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

const RiffChunk* FirstChunk(const RiffLayout& chain, auto matches) {
  const auto found = std::find_if(chain.Chunks.begin(), chain.Chunks.end(), matches);
  return found == chain.Chunks.end() ? nullptr : &*found;
}

// A "data" code the byte search found where no chunk begins (inside a
// broadcast extension's text, say), or none among the first positions: the
// chain's data chunk is the one that holds the sound.
void TakeDataFromChain(const RiffLayout& chain, WaveScan& scan) {
  const RiffChunk* data = FirstChunk(chain, [](const RiffChunk& c) { return c.Id == fourcc::kData; });
  if (data == nullptr || (scan.DataFound && scan.DataOffset == data->Offset)) return;
  scan.DataFound = true;
  scan.DataOffset = static_cast<std::uint32_t>(data->Offset);
  scan.DataSize = data->Size;
  scan.DataSizeIsZero = data->Size == 0;
}

void UseList(const RiffChunk& list, WaveScan& scan) {
  scan.ListFound = true;
  scan.InfoFound = true;
  scan.ListOffset = list.Offset;
  scan.ListSize = list.Size;
  scan.InfoOffset = list.Offset + 8;
}

// The list whose "INFO" the search found, when that is a real INFO list; the
// size then is that list's own even when the search met another LIST first.
// Without a find, the chain's first INFO list: one before the data, say.
void TakeListFromChain(const RiffLayout& chain, WaveScan& scan) {
  const RiffChunk* list = nullptr;
  if (scan.InfoFound) {
    const std::uint64_t info = scan.InfoOffset;
    list = FirstChunk(chain, [info](const RiffChunk& c) { return c.IsInfoList() && c.Offset + 8 == info; });
  } else {
    list = FirstChunk(chain, [](const RiffChunk& c) { return c.IsInfoList(); });
  }
  if (list != nullptr) UseList(*list, scan);
}

// Each sub-chunk is an identifier, a size and a text, padded to an even
// length. The text ends at its first NUL inside the declared size and is read
// whole; a later sub-chunk with the same identifier replaces the earlier text.
// Sub-chunks the table does not name are kept as they stand when whole.
void ReadSubChunks(BlockReader& reader, std::uint64_t infoOffset, std::uint32_t listSize,
                   InfoEntries& entries, ForeignSubChunks& foreign) {
  std::uint64_t position = infoOffset + 4;
  const std::uint64_t end = infoOffset + listSize;
  while (position < end && position + 8 <= reader.Size()) {
    const std::uint32_t id = reader.Le32At(position);
    const std::uint32_t size = reader.Le32At(position + 4);
    if (FindInfoEntry(entries, id) != nullptr) {
      StoreInfoText(entries, id, reader.ReadText(position + 8, size));
    } else if (position + 8 + size <= std::min(end, reader.Size())) {
      ForeignSubChunk chunk{id, std::vector<std::uint8_t>(size)};
      if (reader.ReadExact(position + 8, chunk.Payload)) foreign.push_back(std::move(chunk));
    }
    std::uint64_t next = position + 8 + size;
    next += next & 1;
    if (next <= position) break;
    position = next;
  }
}

// A file may carry more than one INFO list (one before the data and one after
// it, say); the tags of the others fill in what the main list lacks, so every
// tag is seen and a save, which keeps one list, keeps them all.
void FillFromOtherLists(BlockReader& reader, const RiffLayout& chain, WaveScan& scan) {
  InfoEntries others = MakeInfoEntries();
  ForeignSubChunks othersForeign;
  bool any = false;
  for (const RiffChunk& chunk : chain.Chunks) {
    if (!chunk.IsInfoList() || chunk.Offset + 8 == scan.InfoOffset) continue;
    ReadSubChunks(reader, chunk.Offset + 8, chunk.Size, others, othersForeign);
    any = true;
  }
  if (any) FillMissingTags(scan.Entries, scan.Foreign, others, othersForeign);
}

}  // namespace

WaveScan ScanWave(ByteSource& source) {
  WaveScan scan;
  BlockReader reader(source);
  ReadHeader(reader, scan);
  FindDataChunk(reader, scan);
  FindInfoList(reader, scan);
  const RiffLayout chain = WalkChunksForReading(reader);
  TakeDataFromChain(chain, scan);
  TakeListFromChain(chain, scan);
  if (scan.InfoFound) ReadSubChunks(reader, scan.InfoOffset, scan.ListSize, scan.Entries, scan.Foreign);
  FillFromOtherLists(reader, chain, scan);
  return scan;
}
