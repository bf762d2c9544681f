#include "sound_files.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ffmpeg_files.h"

bool HaveSox() { return std::system("command -v sox >/dev/null") == 0; }

bool WriteTone(const std::string& path, double seconds, int frequency, int rate) {
  const std::string command = "sox -n -r " + std::to_string(rate) + " -b 16 -c 2 " + ShellQuoted(path) + " synth " +
                              std::to_string(seconds) + " sine " + std::to_string(frequency) + " vol 0.5";
  return std::system(command.c_str()) == 0;
}

std::vector<std::int16_t> DecodedSamples(const std::string& path) {
  const std::string bytes = CommandOutput("sox " + ShellQuoted(path) + " -t raw -e signed-integer -b 16 -L - 2>/dev/null");
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto low = static_cast<unsigned char>(bytes[2 * i]);
    const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
    samples[i] = static_cast<std::int16_t>(low | high << 8);
  }
  return samples;
}

