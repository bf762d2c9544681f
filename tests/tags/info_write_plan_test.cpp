// Saves over many generated layouts, well formed and not: a save either leaves
// the file byte-identical or gives a well-formed RIFF with every chunk but the
// INFO lists in place, whose tags read back as saved.
#include <gtest/gtest.h>

#include <random>

#include "info_id_table.h"
#include "riff_builder.h"
#include "riff_check.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

const char* const kSixIds[] = {"INAM", "IART", "IGNR", "ICRD", "ISRC", "ICMT"};

class LayoutGenerator {
 public:
  explicit LayoutGenerator(std::uint32_t seed) : random_(seed) {}

  Bytes Next() {
    RiffBuilder builder;
    if (Chance(3)) builder.Chunk("fmt ", PcmFormat(2, 44100, 16));
    if (Chance(8)) builder.Chunk("fact", Bytes(Pick(0, 120), 0));  // may push "data" past 128
    if (Chance(6)) builder.Chunk("LIST", RandomInfo());
    if (Chance(8)) builder.Chunk("JUNK", Bytes(Pick(0, 9), 0));
    const bool lastPadMissing = Chance(8);
    std::vector<int> after;
    for (int i = Pick(0, 3); i > 0; --i) after.push_back(Pick(0, 4));
    builder.Chunk("data", SampleBytes(Pick(0, 301), random_()), {.Pad = !(lastPadMissing && after.empty())});
    for (std::size_t i = 0; i < after.size(); ++i) AddTailChunk(builder, after[i], lastPadMissing && i + 1 == after.size());
    Bytes file = builder.Build();
    Damage(file);
    return file;
  }

  bool Chance(int oneIn) { return Pick(0, oneIn - 1) == 0; }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string RandomText() {
    std::string text(static_cast<std::size_t>(Pick(Chance(5) ? 0 : 1, Chance(10) ? 300 : 12)), 'x');
    for (char& c : text) c = static_cast<char>(Pick(1, 255));
    return text;
  }

 private:
  Bytes RandomInfo() {
    std::vector<std::pair<std::string, std::string>> tags;
    for (int i = Pick(0, 3); i > 0; --i) tags.push_back({Chance(2) ? kSixIds[Pick(0, 5)] : Chance(2) ? "ISFT" : "ITRK", RandomText()});
    return InfoList(tags);
  }

  void AddTailChunk(RiffBuilder& builder, int kind, bool noPad) {
    const ChunkOptions options{.Pad = !noPad};
    switch (kind) {
      case 0: builder.Chunk("LIST", RandomInfo(), options); break;
      case 1: builder.Chunk("cue ", Bytes(static_cast<std::size_t>(Pick(4, 29)), 1), options); break;
      case 2: builder.Chunk("LIST", ToBytes("adtl" + RandomText()), options); break;
      case 3: builder.Chunk("JUNK", Bytes(static_cast<std::size_t>(Pick(0, 9)), 0), options); break;
      default: builder.Chunk("smpl", SampleBytes(static_cast<std::size_t>(Pick(1, 40)), random_()), options); break;
    }
  }

  void Damage(Bytes& file) {
    switch (Pick(0, 9)) {
      case 0: PutLe32(file, 4, 0); break;
      case 1: PutLe32(file, 4, Le32(file, 4) + static_cast<std::uint32_t>(Pick(1, 3))); break;
      case 2: PutLe32(file, 4, Le32(file, 4) - static_cast<std::uint32_t>(Pick(1, 3))); break;
      case 3: file.resize(file.size() - static_cast<std::size_t>(Pick(1, static_cast<int>(file.size()) - 1))); break;
      case 4: file.insert(file.end(), static_cast<std::size_t>(Pick(1, 4)), 0); break;
      case 5: file[static_cast<std::size_t>(Pick(0, static_cast<int>(file.size()) - 1))] ^= static_cast<std::uint8_t>(Pick(1, 255)); break;
      default: break;  // left well formed
    }
  }

  std::mt19937 random_;
};

// The saved tags as the object holds them, all 25 slots.
std::vector<std::pair<int, std::string>> TagsOf(const CWaveInfoFile& wave) {
  std::vector<std::pair<int, std::string>> tags;
  for (std::uint32_t id : InfoIdTable) {
    std::string text;
    const int present = wave.GetTag(id, text);
    tags.push_back({present, present == 1 ? text : ""});
  }
  return tags;
}

// True when the save was carried out, false when it was refused.
bool SaveAndCheck(const Bytes& original, LayoutGenerator& generator) {
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, original);
  for (const char* id : kSixIds) wave.SetTag(FourCCOf(id), generator.RandomText());
  const int saves = generator.Pick(1, 2);
  int result = 0;
  for (int i = 0; i < saves; ++i) result = wave.WriteInfo();
  const auto expected = TagsOf(wave);
  EXPECT_EQ(wave.Close(), 1);
  EXPECT_EQ(BrokenSavePromise(original, *bytes, result == 1), "");
  if (result == 0) {
    EXPECT_FALSE(wave.LastError().empty());
    return false;
  }
  CWaveInfoFile reread;
  OpenBytes(reread, *bytes, ReadOnly);
  EXPECT_EQ(TagsOf(reread), expected);
  return true;
}

TEST(InfoWritePlanProperty, EverySaveIsRefusedUntouchedOrWellFormedWithAudioAndTagsIntact) {
  LayoutGenerator generator(20240607);
  int saved = 0, refused = 0;
  for (int i = 0; i < 400; ++i) {
    const Bytes original = generator.Next();
    SCOPED_TRACE("case " + std::to_string(i));
    (SaveAndCheck(original, generator) ? saved : refused)++;
    if (testing::Test::HasFailure()) break;
  }
  // Both outcomes must really occur, or the generator tests nothing.
  EXPECT_GT(saved, 100);
  EXPECT_GT(refused, 50);
}

}  // namespace
