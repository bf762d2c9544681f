#pragma once

#include <cstdint>
#include <string>

// The six display texts built from a WAVE header at the end of every Parse.
struct StreamSummary {
  std::string FormatName;     // "PCM", "Unknown", ...
  std::string Channels;       // "Mono", "Stereo", "Unknown"
  std::string SampleRate;     // "44100"
  std::string DataRate;       // "172 KB/s" or "62 kbps"
  std::string BitsPerSample;  // "16"
  std::string RiffSize;       // "1048577 (1.00MB)"
};

// The program's name for a WAVE format tag; "Unknown" for tags it does not know.
const char* FormatNameOf(std::uint16_t formatTag);

StreamSummary BuildStreamSummary(std::uint16_t formatTag, std::uint16_t channels,
                                 std::uint32_t samplesPerSec, std::uint32_t avgBytesPerSec,
                                 std::uint16_t bitsPerSample, std::uint32_t riffSize);
