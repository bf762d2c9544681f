// Writes a few well-formed and damaged files as the fuzzers' starting corpus:
//   seed_corpus <wave-folder> <mp3-folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "id3v1_builder.h"
#include "riff_builder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: seed_corpus <wave-folder> <mp3-folder>\n");
    return 2;
  }
  const std::filesystem::path waves = argv[1], mp3s = argv[2];
  const std::vector<std::pair<std::string, std::string>> tags = {{"INAM", "Name"}, {"IART", "Artist"}, {"ISFT", "x"}};
  const Bytes list = InfoList(tags);
  const auto Base = [] { return RiffBuilder().Chunk("fmt ", PcmFormat(1, 8000, 8)); };
  const std::tuple<std::filesystem::path, std::string, Bytes> seeds[] = {
      {waves, "canonical", CanonicalWave(SampleBytes(40), tags)},
      {waves, "odd-data", CanonicalWave(SampleBytes(41), tags)},
      {waves, "cue", Base().Chunk("data", SampleBytes(9)).Chunk("LIST", list).Chunk("cue ", Bytes(28, 1)).Build()},
      {waves, "info-before-data", Base().Chunk("LIST", list).Chunk("data", SampleBytes(12)).Build()},
      {waves, "adtl", Base().Chunk("data", SampleBytes(16)).Chunk("LIST", "adtllabl").Chunk("LIST", list).Build()},
      {waves, "truncated", Base().Chunk("data", SampleBytes(30)).TruncateTo(60).Build()},
      {waves, "huge-sizes", RiffBuilder().Chunk("data", Bytes{}, {.DeclaredSize = 0xFFFFFFFF})
                                .Raw(ToBytes("LIST\xff\xff\xff\xffINFOINAM\xff\xff\xff\xff")).Build()},
      {waves, "late", Base().Chunk("bext", Bytes(120, 0)).Chunk("data", SampleBytes(20)).Chunk("LIST", list).Build()},
      {mp3s, "tagged", Mp3WithId3v1({.Title = "Title", .Artist = "Artist", .Year = "1999", .Genre = 17}, 300)},
      {mp3s, "spaces", Id3v1Block({.Title = "T", .Fill = ' '})},
  };
  for (const auto& [folder, name, bytes] : seeds) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                         static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}
