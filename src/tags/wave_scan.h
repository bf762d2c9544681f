#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_stream.h"
#include "info_entries.h"

// What the reader takes from a WAVE file. The reader does not walk the chunk
// chain: header values come from the fixed offsets of the canonical 44-byte
// header, and the data chunk, the LIST chunk and the INFO list are found by
// comparing four-byte codes at successive byte positions.
struct WaveScan {
  std::uint32_t RiffSize = 0;
  std::uint16_t FormatTag = 0;
  std::uint16_t Channels = 0;
  std::uint32_t SamplesPerSec = 0;
  std::uint32_t AvgBytesPerSec = 0;
  std::uint16_t BitsPerSample = 0;

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
};

// "data" must begin at one of these first positions to be found.
inline constexpr std::uint64_t kDataSearchPositions = 128;

// A sub-chunk's text is read up to its first NUL within its declared size,
// and at most this many bytes (longer texts are cut here), so a damaged size
// field cannot make the reader hold megabytes per tag.
inline constexpr std::size_t kMaxInfoTextBytes = 64 * 1024;

WaveScan ScanWave(ByteSource& source);
