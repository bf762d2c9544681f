#include "stream_summary.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

struct FormatName {
  std::uint16_t Tag;
  const char* Name;
};

// Sorted by tag, so a lookup is a binary search.
constexpr std::array<FormatName, 42> kFormatNames = {{
    {0x0001, "PCM"},
    {0x0002, "Microsoft ADPCM"},
    {0x0003, "IEEE Float"},
    {0x0005, "IBM CVSD"},
    {0x0006, "a-law"},
    {0x0007, "u-law"},
    {0x0010, "OKI ADPCM"},
    {0x0011, "Intel DVI/IMA ADPCM"},
    {0x0012, "Videologic ADPCM"},
    {0x0013, "Sierra ADPCM"},
    {0x0014, "G.723 ADPCM"},
    {0x0015, "DSP Solutions DIGISTD"},
    {0x0016, "DSP Solutions DIGIFIX"},
    {0x0017, "Dialogic ADPCM"},
    {0x0020, "Yamaha ADPCM"},
    {0x0021, "Speech Compression"},
    {0x0022, "DSP Group Truespeech"},
    {0x0023, "Echo Speech"},
    {0x0024, "AudioFile AF36"},
    {0x0025, "Audio Processing Tech."},
    {0x0026, "AudioFile AF10"},
    {0x0030, "Dolby AC2"},
    {0x0031, "GSM 6.10"},
    {0x0033, "Antex ADPCM"},
    {0x0034, "VQL"},
    {0x0035, "DigiReal"},
    {0x0036, "DigiADPCM"},
    {0x0037, "CR10"},
    {0x0038, "VBX ADPCM"},
    {0x0039, "Crystal Semi IMA ADPCM"},
    {0x0040, "G.721 ADPCM"},
    {0x0050, "MPEG audio"},
    {0x0055, "MPEG Layer-3 audio"},
    {0x0200, "Creative ADPCM"},
    {0x0202, "Creative FastSpeech 8"},
    {0x0203, "Creative FastSpeech 10"},
    {0x0300, "FM Towns"},
    {0x1000, "Olivetti GSM"},
    {0x1001, "Olivetti ADPCM"},
    {0x1002, "Olivetti CELP"},
    {0x1003, "Olivetti SBC"},
    {0x1004, "Olivetti OPR"},
}};

std::string Printed(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

const char* ChannelsText(std::uint16_t channels) {
  if (channels == 1) return "Mono";
  if (channels == 2) return "Stereo";
  return "Unknown";
}

// Slow rates read better in kilobits, fast ones in kilobytes; both divisions
// drop the remainder.
std::string DataRateText(std::uint32_t avgBytesPerSec) {
  if (avgBytesPerSec < 20000) return Printed("%u kbps", avgBytesPerSec * 8 / 1024);
  return Printed("%u KB/s", avgBytesPerSec / 1024);
}

// Sizes are printed unsigned, so a RIFF size of 2 GiB or more stays positive.
std::string RiffSizeText(std::uint32_t riffSize) {
  if (riffSize > 1048576) return Printed("%u (%.2fMB)", riffSize, riffSize * 9.5367431640625e-07);
  if (riffSize > 1024) return Printed("%u (%.2fKB)", riffSize, riffSize * 0.0009765625);
  return Printed("%u", riffSize);
}

}  // namespace

const char* FormatNameOf(std::uint16_t formatTag) {
  const auto found = std::lower_bound(kFormatNames.begin(), kFormatNames.end(), formatTag,
                                      [](const FormatName& row, std::uint16_t tag) { return row.Tag < tag; });
  return found != kFormatNames.end() && found->Tag == formatTag ? found->Name : "Unknown";
}

StreamSummary BuildStreamSummary(std::uint16_t formatTag, std::uint16_t channels,
                                 std::uint32_t samplesPerSec, std::uint32_t avgBytesPerSec,
                                 std::uint16_t bitsPerSample, std::uint32_t riffSize) {
  StreamSummary summary;
  summary.FormatName = FormatNameOf(formatTag);
  summary.Channels = ChannelsText(channels);
  summary.SampleRate = Printed("%u", samplesPerSec);
  summary.DataRate = DataRateText(avgBytesPerSec);
  summary.BitsPerSample = Printed("%u", static_cast<unsigned>(bitsPerSample));
  summary.RiffSize = RiffSizeText(riffSize);
  return summary;
}
