#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "riff_builder.h"

// An independent, strict look at a RIFF file for tests and fuzz targets: the
// header reads RIFF/WAVE, the RIFF size is the file length - 8, and the
// chunks with their pad bytes cover the rest exactly.
struct CheckedChunk {
  std::string Id;
  std::size_t Offset = 0;
  std::uint32_t Size = 0;
};

struct RiffCheck {
  std::vector<CheckedChunk> Chunks;
  std::string Problem;  // empty when the file is well formed
  bool WellFormed() const { return Problem.empty(); }
};

RiffCheck CheckRiff(const Bytes& file);

// What every save promises about a file's bytes: a refused save leaves them
// as they were; a save that was carried out leaves a well-formed RIFF in which
// every chunk but the INFO lists keeps its header and payload at its place.
// Empty when the promise holds, else how it was broken.
std::string BrokenSavePromise(const Bytes& original, const Bytes& after, bool saved);

// The payload of the chunk at offset (which must be a chunk header lying
// within the file), or an empty vector.
Bytes ChunkPayload(const Bytes& file, std::size_t offset);
