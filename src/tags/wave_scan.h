#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_stream.h"
#include "info_entries.h"

// What the reader takes from a WAVE file. Header values come from the fixed
// offsets of the canonical 44-byte header; the data chunk and the INFO list
// are first looked for by comparing four-byte codes at successive byte
// positions, and where that finds nothing, by a walk of the chunk chain.
struct WaveScan {
  bool RiffWaveHeader = false;  // the file starts with "RIFF", a size and "WAVE"
  std::uint32_t RiffSize = 0;
  std::uint16_t FormatTag = 0;
  std::uint16_t Channels = 0;
  std::uint32_t SamplesPerSec = 0;
  std::uint32_t AvgBytesPerSec = 0;
  std::uint16_t BitsPerSample = 0;
  // The format code of an extensible format (the first two bytes of its
  // sub-format), or 0 when the format is not extensible.
  std::uint16_t SubFormatTag = 0;

  bool DataFound = false;
  bool DataSizeIsZero = false;  // found, but its size field reads 0
  std::uint32_t DataOffset = 0;
  std::uint32_t DataSize = 0;

  bool ListFound = false;
  std::uint64_t ListOffset = 0;
  std::uint32_t ListSize = 0;
  bool InfoFound = false;
  std::uint64_t InfoOffset = 0;

  InfoEntries Entries = MakeInfoEntries();
  ForeignSubChunks Foreign;  // in the order the file holds them
};

// "data" must begin at one of these first positions to be found by the byte
// search; a data chunk further on is found by the chunk walk.
inline constexpr std::uint64_t kDataSearchPositions = 128;

WaveScan ScanWave(ByteSource& source);
