#include "info_write_plan.h"

#include <algorithm>

#include "block_reader.h"
#include "four_cc.h"
#include "little_endian.h"
#include "patched_source.h"
#include "riff_chunk_walk.h"
#include "wave_scan.h"

InfoWritePlanResult PlanInfoWrite(ByteSource& source) {
  InfoWritePlanResult result;
  BlockReader reader(source);
  const RiffLayout layout = WalkRiffChunks(reader);
  if (!layout.Problem.empty()) {
    result.Refusal = layout.Problem;
    return result;
  }
  const auto& chunks = layout.Chunks;
  const auto data = std::find_if(chunks.begin(), chunks.end(), [](const RiffChunk& c) { return c.Id == fourcc::kData; });
  if (data == chunks.end()) {
    result.Refusal = "the file holds no data chunk";
    return result;
  }
  std::uint64_t keptEnd = data->PaddedEnd();
  for (auto chunk = data + 1; chunk != chunks.end(); ++chunk) {
    if (!chunk->IsInfoList()) keptEnd = chunk->PaddedEnd();
  }
  result.Plan.ListOffset = keptEnd;
  for (const RiffChunk& chunk : chunks) {
    if (chunk.IsInfoList() && chunk.Offset < keptEnd) result.Plan.RetiredLists.push_back(chunk.Offset);
  }
  return result;
}

std::string CheckReadBack(ByteSource& source, const InfoWritePlan& plan, const std::vector<std::uint8_t>& list,
                          const TagsToWrite& tags) {
  const std::uint64_t length = PlannedLength(plan, list);
  PatchedSource result(source, length);
  for (std::uint64_t offset : plan.RetiredLists) result.Patch(offset, Le32Bytes(fourcc::kJunk));
  result.Patch(4, Le32Bytes(static_cast<std::uint32_t>(length - 8)));
  if (!list.empty()) result.Patch(plan.ListOffset, list);
  // A save leaves a layout that the next save accepts too.
  BlockReader reader(result);
  if (const RiffLayout layout = WalkRiffChunks(reader); !layout.Problem.empty())
    return "with the new tags, " + layout.Problem;
  const WaveScan reread = ScanWave(result);
  if (!SamePresentTags(reread.Entries, tags.Entries) || reread.Foreign != tags.Foreign)
    return "the new tags could not be read back from this file's layout";
  return {};
}
