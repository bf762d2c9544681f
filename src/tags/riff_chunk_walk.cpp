#include "riff_chunk_walk.h"

#include "four_cc.h"

bool RiffChunk::IsInfoList() const { return Id == fourcc::kList && ListType == fourcc::kInfo; }

namespace {

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;
// Real files hold a handful of chunks; the cap keeps a file of millions of
// empty chunks from costing memory in proportion.
constexpr std::size_t kMaxChunks = 65536;

std::string HeaderProblem(BlockReader& reader) {
  if (reader.Le32At(0) == fourcc::kRf64) return "RF64 files are not supported";
  if (!HasRiffWaveHeader(reader)) return "the file is not a RIFF WAVE file";
  if (reader.Size() >= kFourGiB) return "the file is 4 GiB or larger";
  const std::uint32_t riffSize = reader.Le32At(4);
  if (riffSize == 0) return "the RIFF size in its header is 0";
  if (std::uint64_t{riffSize} + 8 > reader.Size()) return "the RIFF size in its header is larger than the file";
  return {};
}

}  // namespace

bool HasRiffWaveHeader(BlockReader& reader) {
  return reader.Size() >= 12 && reader.Le32At(0) == fourcc::kRiff && reader.Le32At(8) == fourcc::kWave;
}

RiffLayout WalkChunksUpTo(BlockReader& reader, std::uint64_t limit) {
  RiffLayout layout;
  std::uint64_t position = 12;
  while (position < limit) {
    if (position + 8 > limit) {
      layout.Problem = "a chunk header is cut off at the end of the RIFF chunk";
      break;
    }
    if (layout.Chunks.size() == kMaxChunks) {
      layout.Problem = "the file holds too many chunks";
      break;
    }
    RiffChunk chunk;
    chunk.Id = reader.Le32At(position);
    chunk.Offset = position;
    chunk.Size = reader.Le32At(position + 4);
    if (chunk.Id == fourcc::kList && chunk.Size >= 4) chunk.ListType = reader.Le32At(position + 8);
    layout.Chunks.push_back(chunk);
    if (chunk.End() > limit) {
      layout.Problem = "a chunk runs past the end of the RIFF chunk";
      break;
    }
    position = chunk.PaddedEnd();
  }
  layout.ChainEnd = position;
  return layout;
}

RiffLayout WalkChunksForReading(BlockReader& reader) {
  if (!HasRiffWaveHeader(reader)) return {};
  const std::uint64_t riffEnd = std::uint64_t{reader.Le32At(4)} + 8;
  const bool riffSizeUsable = riffEnd > 8 && riffEnd <= reader.Size();
  return WalkChunksUpTo(reader, riffSizeUsable ? riffEnd : reader.Size());
}

RiffLayout WalkRiffChunks(BlockReader& reader) {
  RiffLayout layout;
  layout.Problem = HeaderProblem(reader);
  if (!layout.Problem.empty()) return layout;
  layout = WalkChunksUpTo(reader, std::uint64_t{reader.Le32At(4)} + 8);
  if (layout.Problem.empty() && reader.Size() > layout.ChainEnd)
    layout.Problem = "the file holds bytes after the end of its RIFF chunk";
  return layout;
}
