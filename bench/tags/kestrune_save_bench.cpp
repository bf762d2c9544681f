// `kestrune --set ICMT=...` against the floor of `kestrune --info` on the same
// file, both as whole processes: on a 200 MB WAVE file whose INFO list is last
// (real audio bytes, synced to disk before the first run, so no save pays for
// writing the audio back) and on a small canonical file. The runs alternate,
// 15 of each, and the medians are compared. Every save switches between two
// comments, so each one changes the file. Target: a save at most 1.5 times
// the floor.
//   kestrune_save_bench [folder]     (the files are made there and removed)
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "four_cc.h"
#include "riff_builder.h"
#include "bench_support.h"
#include "wave_info_file.h"

namespace {

constexpr std::size_t kAudioBytes = 200u * 1024 * 1024;
constexpr int kRuns = 15;
const std::string kComments[2] = {"Saved by the benchmark, first text", "Saved by the benchmark: the second"};

void WriteBytes(std::ofstream& out, const Bytes& bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Flushes the file to the device, so the saves timed later find no dirty
// audio pages to write back.
bool SyncToDisk(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const bool synced = fd >= 0 && ::fsync(fd) == 0;
  if (fd >= 0) ::close(fd);
  return synced;
}

std::string MakeBigFile(const std::filesystem::path& folder) {
  const std::string path = (folder / "velmora-save-bench.wav").string();
  const Bytes list = InfoList({{"INAM", "Benchmark"}, {"ICMT", kComments[1]}});
  Bytes head = ToBytes("RIFF");
  PushLe32(head, static_cast<std::uint32_t>(4 + 24 + 8 + kAudioBytes + 8 + list.size()));
  PushFourCC(head, "WAVE");
  PushFourCC(head, "fmt ");
  PushLe32(head, 16);
  const Bytes fmt = PcmFormat(2, 44100, 16);
  head.insert(head.end(), fmt.begin(), fmt.end());
  PushFourCC(head, "data");
  PushLe32(head, static_cast<std::uint32_t>(kAudioBytes));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  WriteBytes(out, head);
  constexpr std::size_t kBlock = 1 << 20;
  for (std::size_t done = 0; done < kAudioBytes; done += kBlock)
    WriteBytes(out, SampleBytes(kBlock, static_cast<std::uint32_t>(done / kBlock + 1)));
  Bytes tail = ToBytes("LIST");
  PushLe32(tail, static_cast<std::uint32_t>(list.size()));
  tail.insert(tail.end(), list.begin(), list.end());
  WriteBytes(out, tail);
  return path;
}

std::string MakeSmallFile(const std::filesystem::path& folder) {
  const std::string path = (folder / "velmora-save-bench-small.wav").string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  WriteBytes(out, CanonicalWave(SampleBytes(40000), {{"INAM", "Small"}, {"ICMT", kComments[1]}}));
  return path;
}

double Milliseconds(const std::vector<std::string>& args, bool& ran) {
  const auto start = std::chrono::steady_clock::now();
  ran = Run(args) && ran;
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Figures {
  double Save = 0;
  double Floor = 0;
  bool Ran = true;
  bool Saved = false;
};

// Saves and reads the file in turn, after one untimed round of each.
Figures Measure(const std::string& kestrune, const std::string& path) {
  Figures figures;
  std::vector<double> saves, reads;
  const auto save = [&](int run) {
    return Milliseconds({kestrune, "--set", "ICMT=" + kComments[run % 2], path}, figures.Ran);
  };
  const auto read = [&] { return Milliseconds({kestrune, "--info", path}, figures.Ran); };
  save(1);
  read();
  for (int run = 0; run < kRuns; ++run) {
    saves.push_back(save(run));
    reads.push_back(read());
  }
  figures.Save = Median(saves);
  figures.Floor = Median(reads);
  figures.Saved = StoredTag(path, fourcc::kICMT) == kComments[(kRuns - 1) % 2];
  return figures;
}

bool Report(const char* name, const Figures& figures) {
  const double ratio = figures.Save / figures.Floor;
  std::printf("%s: every run succeeded: %s; the last comment saved: %s\n", name, figures.Ran ? "yes" : "NO",
              figures.Saved ? "yes" : "NO");
  std::printf("  floor (kestrune --info, median of %d): %8.2f ms\n", kRuns, figures.Floor);
  std::printf("  kestrune --set ICMT=... (median of %d):  %8.2f ms\n", kRuns, figures.Save);
  std::printf("  ratio %.2f (target <= 1.50): %s\n", ratio, ratio <= 1.5 ? "met" : "NOT MET");
  return figures.Ran && figures.Saved;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  std::printf("making a %zu MB WAVE file in %s ...\n", kAudioBytes >> 20, folder.c_str());
  const std::string big = MakeBigFile(folder);
  const std::string small = MakeSmallFile(folder);
  const bool synced = SyncToDisk(big) && SyncToDisk(small);
  const std::string kestrune = KESTRUNE_PATH;
  const Figures bigFigures = Measure(kestrune, big);
  const Figures smallFigures = Measure(kestrune, small);
  std::filesystem::remove(big);
  std::filesystem::remove(small);

  if (!synced) std::printf("the files could not be synced before the runs\n");
  const bool bigOk = Report("200 MB file, list last", bigFigures);
  const bool smallOk = Report("small canonical file", smallFigures);
  return synced && bigOk && smallOk ? 0 : 1;
}
