// Reading the tags of 10,000 small files, half WAVE with INFO lists and half
// MP3 with ID3v1 blocks, as the album scan does, against a floor that only
// opens each file and reads the bytes a tag reader must read: the whole small
// WAVE file in one read, the last 128 bytes of an MP3. Target: at most 1.5x.
//   tag_scan_bench [folder]     (the files are made there and removed)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "block_reader.h"
#include "four_cc.h"
#include "id3v1_builder.h"
#include "id3v1_file.h"
#include "riff_builder.h"
#include "wave_info_file.h"

namespace {

constexpr int kFilesOfEachKind = 5000;
constexpr std::uint32_t kSixTags[] = {fourcc::kINAM, fourcc::kIART, fourcc::kIGNR,
                                      fourcc::kICRD, fourcc::kISRC, fourcc::kICMT};

void Write(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> MakeFiles(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < kFilesOfEachKind; ++i) {
    const std::string n = std::to_string(i);
    const std::size_t audio = 2048 + static_cast<std::size_t>(i % 16) * 512;
    paths.push_back((folder / ("track" + n + ".wav")).string());
    Write(paths.back(), CanonicalWave(SampleBytes(audio, static_cast<std::uint32_t>(i)),
                                      {{"INAM", "Title " + n}, {"IART", "Artist"}, {"IGNR", "Jazz"},
                                       {"ICRD", "1999"}, {"ISRC", "Album"}, {"ICMT", "Comment " + n}}));
    paths.push_back((folder / ("track" + n + ".mp3")).string());
    Id3v1Fields fields;
    fields.Title = "Title " + n;
    fields.Artist = "Artist";
    fields.Genre = static_cast<std::uint8_t>(i % 100);
    Write(paths.back(), Mp3WithId3v1(fields, audio));
  }
  return paths;
}

bool IsWave(const std::string& path) { return path.back() == 'v'; }

// What any tag reader must do: open, find the bytes, read them, close.
std::size_t FloorRead(const std::vector<std::string>& paths) {
  std::vector<std::uint8_t> buffer(BlockReader::kBlockSize);
  std::size_t total = 0;
  for (const std::string& path : paths) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (IsWave(path)) {
      total += static_cast<std::size_t>(::pread(fd, buffer.data(), buffer.size(), 0));
    } else {
      struct stat info {};
      fstat(fd, &info);
      total += static_cast<std::size_t>(::pread(fd, buffer.data(), 128, info.st_size - 128));
    }
    ::close(fd);
  }
  return total;
}

// The album scan's way: the WAVE reader for .wav files, the ID3v1 reader for the rest.
std::size_t ReadTags(const std::vector<std::string>& paths) {
  CWaveInfoFile wave;
  CId3v1File mp3;
  std::string text;
  std::size_t found = 0;
  for (const std::string& path : paths) {
    if (wave.Open(path)) {
      wave.Parse();
      for (std::uint32_t id : kSixTags) found += static_cast<std::size_t>(wave.GetTag(id, text));
      wave.Close();
    } else if (mp3.Open(path)) {
      mp3.ReadTag();
      for (std::uint32_t id : kSixTags) found += static_cast<std::size_t>(mp3.GetTag(id, text));
      mp3.Close();
    }
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path base = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  const std::filesystem::path folder = base / "velmora-tag-scan-bench";
  std::printf("making %d small files in %s ...\n", 2 * kFilesOfEachKind, folder.c_str());
  const std::vector<std::string> paths = MakeFiles(folder);
  FloorRead(paths);  // warm the page cache and the directory entries

  std::size_t tags = 0;
  const double floor = BestMilliseconds(5, [&] { FloorRead(paths); });
  const double readers = BestMilliseconds(5, [&] { tags = ReadTags(paths); });
  std::filesystem::remove_all(folder);

  const double ratio = readers / floor;
  std::printf("tags read: %zu of %d expected\n", tags, 2 * kFilesOfEachKind * 6 - kFilesOfEachKind * 3);
  std::printf("floor (open, read the needed bytes, close): %8.2f ms\n", floor);
  std::printf("CWaveInfoFile / CId3v1File:                 %8.2f ms\n", readers);
  std::printf("ratio %.2f (target <= 1.50): %s\n", ratio, ratio <= 1.5 ? "met" : "NOT MET");
  return 0;
}
