#include "info_write_plan.h"

#include "block_reader.h"
#include "four_cc.h"
#include "little_endian.h"
#include "patched_source.h"
#include "riff_chunk_walk.h"

namespace {

// Chunks after the data that may be dropped when they end the file: the old
// tags, which the new list replaces, and filler.
bool IsReplaceableTail(const RiffChunk& chunk) { return chunk.IsInfoList() || chunk.Id == fourcc::kJunk; }

std::vector<std::uint8_t> Le32Bytes(std::uint32_t value) {
  std::vector<std::uint8_t> bytes(4);
  StoreLe32(bytes.data(), value);
  return bytes;
}

bool SameTags(const InfoEntries& read, const InfoEntries& written) {
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (read[i].Present != written[i].Present) return false;
    if (written[i].Present == 1 && read[i].Text != written[i].Text) return false;
  }
  return true;
}

}  // namespace

InfoWritePlanResult PlanInfoWrite(ByteSource& source, const WaveScan& scan) {
  InfoWritePlanResult result;
  BlockReader reader(source);
  const RiffLayout layout = WalkRiffChunks(reader);
  if (!layout.Problem.empty()) {
    result.Refusal = layout.Problem;
    return result;
  }
  if (!scan.DataFound) {
    result.Refusal = "no data chunk begins within the first 128 bytes";
    return result;
  }
  std::size_t data = layout.Chunks.size();
  for (std::size_t i = 0; i < layout.Chunks.size(); ++i) {
    const RiffChunk& chunk = layout.Chunks[i];
    if (chunk.Id == fourcc::kData && chunk.Offset == scan.DataOffset) data = i;
  }
  if (data == layout.Chunks.size()) {
    result.Refusal = "the data chunk found at the start is not one of the file's chunks";
    return result;
  }
  std::uint64_t keptEnd = layout.Chunks[data].PaddedEnd();
  for (std::size_t i = data + 1; i < layout.Chunks.size(); ++i) {
    if (!IsReplaceableTail(layout.Chunks[i])) keptEnd = layout.Chunks[i].PaddedEnd();
  }
  result.Plan.ListOffset = keptEnd;
  for (const RiffChunk& chunk : layout.Chunks) {
    if (chunk.IsInfoList() && chunk.Offset < keptEnd) result.Plan.RetiredLists.push_back(chunk.Offset);
  }
  return result;
}

std::string CheckReadBack(ByteSource& source, const InfoWritePlan& plan,
                          const std::vector<std::uint8_t>& list, const InfoEntries& entries) {
  const std::uint64_t length = PlannedLength(plan, list);
  PatchedSource result(source, length);
  for (std::uint64_t offset : plan.RetiredLists) result.Patch(offset, Le32Bytes(fourcc::kJunk));
  result.Patch(4, Le32Bytes(static_cast<std::uint32_t>(length - 8)));
  if (!list.empty()) result.Patch(plan.ListOffset, list);
  if (!SameTags(ScanWave(result).Entries, entries))
    return "the new tags could not be read back from this file's layout";
  return {};
}
