// Writes a few well-formed and damaged files as the fuzzers' starting corpus:
//   seed_corpus <wave-folder> <mp3-folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "id3v1_builder.h"
#include "riff_builder.h"

namespace {

void Save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: seed_corpus <wave-folder> <mp3-folder>\n");
    return 2;
  }
  const std::filesystem::path waves = argv[1], mp3s = argv[2];
  const std::vector<std::pair<std::string, std::string>> tags = {{"INAM", "Name"}, {"IART", "Artist"}, {"ISFT", "x"}};
  Save(waves, "canonical", CanonicalWave(SampleBytes(40), tags));
  Save(waves, "odd-data", CanonicalWave(SampleBytes(41), tags));
  Save(waves, "info-then-cue", RiffBuilder()
                                   .Chunk("fmt ", PcmFormat(1, 8000, 8))
                                   .Chunk("data", SampleBytes(9))
                                   .Chunk("LIST", InfoList(tags))
                                   .Chunk("cue ", Bytes(28, 1))
                                   .Build());
  Save(waves, "info-before-data", RiffBuilder()
                                      .Chunk("fmt ", PcmFormat(1, 8000, 8))
                                      .Chunk("LIST", InfoList(tags))
                                      .Chunk("data", SampleBytes(12))
                                      .Build());
  Save(waves, "adtl", RiffBuilder()
                          .Chunk("fmt ", PcmFormat(2, 44100, 16))
                          .Chunk("data", SampleBytes(16))
                          .Chunk("LIST", ToBytes("adtllabl"))
                          .Chunk("LIST", InfoList(tags))
                          .Build());
  Save(waves, "truncated", RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("data", SampleBytes(30)).TruncateTo(60).Build());
  Save(waves, "huge-sizes", RiffBuilder()
                                .Chunk("data", Bytes{}, {.DeclaredSize = 0xFFFFFFFF})
                                .Raw(ToBytes("LIST\xff\xff\xff\xffINFOINAM\xff\xff\xff\xff"))
                                .Build());
  Save(waves, "late-data", RiffBuilder()
                               .Chunk("fmt ", PcmFormat(2, 44100, 16))
                               .Chunk("bext", Bytes(120, 0))
                               .Chunk("data", SampleBytes(20))
                               .Chunk("LIST", InfoList(tags))
                               .Build());
  Save(mp3s, "tagged", Mp3WithId3v1({.Title = "Title", .Artist = "Artist", .Year = "1999", .Genre = 17}, 300));
  Save(mp3s, "spaces", Id3v1Block({.Title = "T", .Fill = ' '}));
  return 0;
}
