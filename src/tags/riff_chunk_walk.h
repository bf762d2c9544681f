#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "block_reader.h"

// One top-level chunk of a RIFF file: identifier, size field, and for a LIST
// chunk the list type that follows its header.
struct RiffChunk {
  std::uint32_t Id = 0;
  std::uint64_t Offset = 0;
  std::uint32_t Size = 0;
  std::uint32_t ListType = 0;  // 0 unless Id is LIST and the size holds a type

  std::uint64_t End() const { return Offset + 8 + Size; }
  // Chunks start at even distances: an odd-sized chunk is followed by a pad byte.
  std::uint64_t PaddedEnd() const { return End() + (Size & 1); }
  bool IsInfoList() const;
};

struct RiffLayout {
  std::vector<RiffChunk> Chunks;  // in file order, from offset 12
  // Where the chain ends, counting the last chunk's pad byte even when the
  // RIFF size leaves it out or the file stops just before it.
  std::uint64_t ChainEnd = 0;
  std::string Problem;  // why the chain is not whole; empty when it is
};

// Walks the chunks from byte 12 up to `limit`, the end of the RIFF chunk. The
// walk stops at a chunk header that does not fit before the limit, or after a
// chunk that runs past it (that chunk is listed), and says so in Problem.
RiffLayout WalkChunksUpTo(BlockReader& reader, std::uint64_t limit);

// The chain as far as it can be followed, for reading tags: it needs a
// RIFF/WAVE header, and ends at the end of the RIFF chunk, or at the end of
// the file when the RIFF size is 0 or larger than the file (as streaming
// writers leave it). Empty for any other file.
RiffLayout WalkChunksForReading(BlockReader& reader);

// Walks the chunk chain of a RIFF WAVE file that is to be changed. The layout
// is accepted only when the header reads RIFF/WAVE, the RIFF size is neither 0
// nor larger than the file, every chunk lies inside the RIFF chunk and the
// chunks, with their pad bytes, cover it exactly up to the end of the file.
// The one slack allowed is the pad byte of the last chunk, which the RIFF size
// or the file may lack.
RiffLayout WalkRiffChunks(BlockReader& reader);

// True when the file starts with a RIFF header of form type WAVE.
bool HasRiffWaveHeader(BlockReader& reader);
