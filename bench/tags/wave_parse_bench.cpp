// `kestrune --info` on a 200 MB WAVE file whose "data" code lies past byte
// 128, so the LIST search covers the whole file, against the floor of `cat`
// reading that file plus `kestrune --info` on a small file, all as whole
// processes in the same run. Target: at most 1.5 times the floor.
//   wave_parse_bench [folder]     (the files are made there and removed)

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "four_cc.h"
#include "riff_builder.h"
#include "bench_support.h"
#include "wave_info_file.h"

namespace {

constexpr std::size_t kAudioBytes = 200u * 1024 * 1024;

// Sixteen-bit stereo: two tones and some noise, so every byte value occurs.
void FillAudio(std::vector<std::uint8_t>& block, std::size_t firstSample, std::uint32_t& noise) {
  for (std::size_t i = 0; i + 2 <= block.size(); i += 2) {
    const double t = static_cast<double>(firstSample + i / 2) / 44100.0;
    noise = noise * 1664525u + 1013904223u;
    const double value = 14000 * std::sin(2 * M_PI * 440 * t) + 9000 * std::sin(2 * M_PI * 97 * t) +
                         static_cast<double>(static_cast<int>(noise >> 20) - 2048);
    const auto sample = static_cast<std::int16_t>(std::lround(value));
    block[i] = static_cast<std::uint8_t>(sample);
    block[i + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(sample) >> 8);
  }
}

// The audio must not hold the code the search looks for, or it would stop early.
void BreakListCodes(std::vector<std::uint8_t>& bytes, std::size_t from) {
  for (std::size_t i = from; i + 4 <= bytes.size(); ++i) {
    if (std::memcmp(bytes.data() + i, "LIST", 4) == 0) bytes[i + 3] = 'X';
  }
}

std::string MakeFile(const std::filesystem::path& folder) {
  const std::string path = (folder / "velmora-wave-parse-bench.wav").string();

  const Bytes list = InfoList({{"INAM", "Benchmark"}, {"IART", "Velmora"}});
  Bytes head = ToBytes("RIFF");
  PushLe32(head, static_cast<std::uint32_t>(4 + 24 + 108 + 8 + kAudioBytes + 8 + list.size()));
  PushFourCC(head, "WAVE");
  PushFourCC(head, "fmt ");
  PushLe32(head, 16);
  const Bytes fmt = PcmFormat(2, 44100, 16);
  head.insert(head.end(), fmt.begin(), fmt.end());
  PushFourCC(head, "JUNK");
  PushLe32(head, 100);
  head.insert(head.end(), 100, 0);  // pushes "data" to offset 144
  PushFourCC(head, "data");
  PushLe32(head, static_cast<std::uint32_t>(kAudioBytes));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
  std::vector<std::uint8_t> block(1 << 20);
  std::uint32_t noise = 1;
  std::uint8_t carry[3] = {0, 0, 0};
  for (std::size_t done = 0; done < kAudioBytes; done += block.size()) {
    FillAudio(block, done / 2, noise);
    std::vector<std::uint8_t> joined(carry, carry + 3);
    joined.insert(joined.end(), block.begin(), block.end());
    BreakListCodes(joined, 0);
    std::memcpy(block.data(), joined.data() + 3, block.size());
    std::memcpy(carry, block.data() + block.size() - 3, 3);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  }
  Bytes tail = ToBytes("LIST");
  PushLe32(tail, static_cast<std::uint32_t>(list.size()));
  tail.insert(tail.end(), list.begin(), list.end());
  out.write(reinterpret_cast<const char*>(tail.data()), static_cast<std::streamsize>(tail.size()));
  return path;
}

std::string MakeSmallFile(const std::filesystem::path& folder) {
  const std::string path = (folder / "velmora-wave-parse-bench-small.wav").string();
  const Bytes small = CanonicalWave(SampleBytes(4000), {{"INAM", "Small"}});
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(small.data()),
                                              static_cast<std::streamsize>(small.size()));
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  std::printf("making a %zu MB WAVE file in %s ...\n", kAudioBytes >> 20, folder.c_str());
  const std::string path = MakeFile(folder);
  const std::string small = MakeSmallFile(folder);
  const std::string kestrune = KESTRUNE_PATH;
  bool ran = Run({"cat", path});  // warms the page cache
  const double floor = BestMilliseconds(7, [&] {
    ran = Run({"cat", path}) && Run({kestrune, "--info", small}) && ran;
  });
  const double info = BestMilliseconds(7, [&] { ran = Run({kestrune, "--info", path}) && ran; });
  const bool found = StoredTag(path, fourcc::kINAM) == "Benchmark";
  std::filesystem::remove(path);
  std::filesystem::remove(small);

  const double ratio = info / floor;
  std::printf("all runs succeeded: %s; title found after the data: %s\n", ran ? "yes" : "NO", found ? "yes" : "NO");
  std::printf("floor (cat of the file + kestrune --info on a small file): %8.2f ms\n", floor);
  std::printf("kestrune --info on the 200 MB file:                        %8.2f ms\n", info);
  std::printf("ratio %.2f (target <= 1.50): %s\n", ratio, ratio <= 1.5 ? "met" : "NOT MET");
  return ran && found ? 0 : 1;
}
