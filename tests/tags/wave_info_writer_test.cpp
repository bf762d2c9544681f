#include <gtest/gtest.h>

#include "four_cc.h"
#include "riff_builder.h"
#include "riff_check.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

// Opens bytes, stores the given six-tag edits (empty clears), saves, closes.
Bytes Saved(const Bytes& original, const Tags& edits, int saves = 1) {
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, original);
  for (const auto& [id, text] : edits) wave.SetTag(FourCCOf(id), text);
  for (int i = 0; i < saves; ++i) EXPECT_EQ(wave.WriteInfo(), 1) << wave.LastError();
  EXPECT_EQ(wave.Close(), 1) << wave.LastError();
  return *bytes;
}

Tags ClearSix() {
  return {{"INAM", ""}, {"IART", ""}, {"IGNR", ""}, {"ICRD", ""}, {"ISRC", ""}, {"ICMT", ""}};
}

// Odd texts keep their size and are followed by their NUL; even texts count
// the NUL in the size and get a pad byte after it. After an odd data size the
// list follows the data's pad byte.
TEST(WaveInfoWriter, WritesTheListAfterTheDataAndGrowsTheRiffSize) {
  struct Row { std::size_t audio; std::string name; std::uint32_t sizeField; std::size_t zeros; std::uint32_t listSize; };
  for (const Row& c : {Row{100, "Hello", 5, 1, 18}, Row{100, "Four", 5, 2, 18}, Row{7, "A", 1, 1, 14}, Row{100, "Ab", 3, 2, 16}}) {
    const Bytes original = CanonicalWave(SampleBytes(c.audio));
    Bytes expected = original;
    for (const char* code : {"LIST", "", "INFO", "INAM", ""}) *code ? PushFourCC(expected, code) : PushLe32(expected, 0);
    PutLe32(expected, original.size() + 4, c.listSize);
    PutLe32(expected, original.size() + 16, c.sizeField);
    expected.insert(expected.end(), c.name.begin(), c.name.end());
    expected.insert(expected.end(), c.zeros, 0);
    PutLe32(expected, 4, Le32(original, 4) + c.listSize + 8);
    EXPECT_EQ(Saved(original, {{"INAM", c.name}}), expected) << c.name;
  }
}

TEST(WaveInfoWriter, SavingTwiceEqualsSavingOnce) {
  const Bytes original = CanonicalWave(SampleBytes(101), {{"INAM", std::string(40, 'n')}, {"ICMT", "Old comment"}});
  const Tags edits = {{"INAM", "New"}, {"IART", "Someone"}};
  EXPECT_EQ(Saved(original, edits, 2), Saved(original, edits, 1));
  EXPECT_EQ(Saved(Saved(original, edits), edits), Saved(original, edits));
  CWaveInfoFile wave;  // a first save with other texts leaves no trace
  auto bytes = OpenBytes(wave, original);
  wave.SetTag(fourcc::kICMT, std::string(90, 'c'));
  ASSERT_EQ(wave.WriteInfo(), 1);
  for (const auto& [id, text] : edits) wave.SetTag(FourCCOf(id), text);
  wave.SetTag(fourcc::kICMT, "Old comment");
  ASSERT_EQ(wave.WriteInfo(), 1);
  ASSERT_EQ(wave.Close(), 1);
  EXPECT_EQ(*bytes, Saved(original, edits));
}

TEST(WaveInfoWriter, ClearingAllSixTagsRemovesTheList) {
  const Bytes bare = CanonicalWave(SampleBytes(100));
  const Bytes tagged = CanonicalWave(SampleBytes(100), {{"INAM", "a"}, {"IART", "b"}, {"IGNR", "c"}});
  const Bytes saved = Saved(tagged, ClearSix());
  EXPECT_EQ(saved, bare);
  EXPECT_EQ(Le32(tagged, 4) - Le32(saved, 4), Le32(tagged, bare.size() + 4) + 8);
}

// Tags of the table the editor does not show come back in table order; those
// the table does not name follow as they stood.
TEST(WaveInfoWriter, EveryOtherSubChunkSurvives) {
  const Bytes original = CanonicalWave(SampleBytes(10), {{"ISFT", "Editor 2"}, {"ITRK", "3"}, {"ICOP", "(c)"}, {"IXYZ", "ab"}});
  const Bytes saved = Saved(original, {{"INAM", "Name"}, {"ICMT", "Note"}});
  const std::string text = ToText(saved);
  const std::size_t cmt = text.find("ICMT"), cop = text.find("ICOP"), nam = text.find("INAM"), sft = text.find("ISFT");
  const std::size_t trk = text.find("ITRK"), xyz = text.find("IXYZ");
  ASSERT_NE(xyz, std::string::npos);
  EXPECT_TRUE(cmt < cop && cop < nam && nam < sft && sft < trk && trk < xyz);
  EXPECT_EQ(text.substr(trk, xyz - trk), ToText(InfoSubChunk("ITRK", "3")));
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  EXPECT_EQ(TagOf(wave, "ICOP"), "(c)");
  EXPECT_EQ(TagOf(wave, "ISFT"), "Editor 2");
}

TEST(WaveInfoWriter, ReadOnlyModeAndClosedFileRefuseSilently) {
  const Bytes original = CanonicalWave(SampleBytes(10), {{"INAM", "Keep"}});
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, original, ReadOnly);
  wave.SetTag(fourcc::kINAM, "Changed");
  EXPECT_EQ(wave.WriteInfo(), 0);
  wave.Close();
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_EQ(wave.LastError() + ToText(*bytes), ToText(original));  // no message, no change
}

// A text the user did not change goes back byte for byte, however long.
TEST(WaveInfoWriter, TextsAreWrittenWholeAndByteForByte) {
  const std::string latin1 = "Caf\xe9 \xff\x80";
  std::string longComment(100 * 1024 + 1, 'c');
  for (std::size_t i = 0; i < longComment.size(); i += 7) longComment[i] = static_cast<char>('a' + i % 26);
  const Bytes original = CanonicalWave(SampleBytes(10), {{"ICMT", longComment}, {"IART", latin1}});
  const Bytes saved = Saved(original, {{"INAM", std::string(400, 'L')}});
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  EXPECT_EQ(TagOf(wave, "IART"), latin1);
  EXPECT_EQ(TagOf(wave, "INAM"), std::string(400, 'L'));
  EXPECT_TRUE(TagOf(wave, "ICMT") == longComment);
}

// Writers that put their INFO list before the data (or two lists in one file):
// the list that is retired to JUNK has had its tags carried into the new one.
TEST(WaveInfoWriter, ListsBeforeTheDataAreRetiredWithTheirTagsCarried) {
  const Bytes original = RiffBuilder()
                             .Chunk("fmt ", PcmFormat(2, 44100, 16))
                             .Chunk("LIST", InfoList({{"INAM", "Before"}, {"ISFT", "Lavf"}, {"ITRK", "2"}}))
                             .Chunk("data", SampleBytes(20))
                             .Chunk("LIST", InfoList({{"INAM", "After"}, {"ICMT", "Kept"}}))
                             .Build();
  const Bytes saved = Saved(original, {{"IART", "Seen"}});
  const RiffCheck check = CheckRiff(saved);
  ASSERT_TRUE(check.WellFormed()) << check.Problem;
  EXPECT_EQ(check.Chunks[1].Id, "JUNK");
  EXPECT_EQ(check.Chunks.back().Id, "LIST");
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  for (const auto& [id, text] : Tags{{"IART", "Seen"}, {"INAM", "After"}, {"ICMT", "Kept"}, {"ISFT", "Lavf"}})
    EXPECT_EQ(TagOf(wave, id), text) << id;
  EXPECT_NE(ToText(ChunkPayload(saved, check.Chunks.back().Offset)).find("ITRK"), std::string::npos);
}

struct RefusalCase {
  std::string Name;
  Bytes File;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class WaveInfoWriterRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(WaveInfoWriterRefusal, LeavesTheFileByteIdenticalAndSaysWhy) {
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, GetParam().File);
  wave.SetTag(fourcc::kINAM, "Never written");
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_NE(wave.LastError().find("The tags were not saved"), std::string::npos) << wave.LastError();
  EXPECT_EQ(wave.Close(), 1);
  EXPECT_EQ(*bytes, GetParam().File);
}

RiffBuilder Base() { return std::move(RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16))); }

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveInfoWriterRefusal,
    testing::Values(
        RefusalCase{"Rf64", Base().Magic("RF64").Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"BigEndianRifx", Base().Magic("RIFX").Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"RiffSizeZero", Base().RiffSize(0).Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"RiffSizeLargerThanFile", Base().RiffSize(5000).Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"TruncatedData", Base().Chunk("data", SampleBytes(8), {.DeclaredSize = 80}).Build()},
        RefusalCase{"BytesAfterTheRiff", Base().Chunk("data", SampleBytes(8)).RiffSize(44).Raw(ToBytes("TAGxx")).Build()},
        RefusalCase{"NoDataChunk", Base().Chunk("LIST", InfoList({{"INAM", "x"}})).Build()},
        RefusalCase{"NotWave", Base().FormType("AVI ").Chunk("data", SampleBytes(8)).Build()}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.Name; });

// Ordinary files whose data lies past byte 128, whose INFO list follows
// another LIST or stands before cue points are saved; every chunk but the
// INFO lists keeps its bytes and its place.
TEST(WaveInfoWriter, LateDataAndOtherListsAreSavedWithEveryOtherChunkKept) {
  const Bytes files[] = {
      Base().Chunk("bext", Bytes(602, 0)).Chunk("data", SampleBytes(80)).Build(),
      Base().Chunk("data", SampleBytes(33)).Chunk("LIST", InfoList({{"INAM", "Old"}})).Chunk("cue ", SampleBytes(28)).Build(),
      Base().Chunk("data", SampleBytes(8)).Chunk("LIST", ToBytes("adtlxxxx")).Chunk("LIST", InfoList({{"IART", "x"}})).Build(),
  };
  for (const Bytes& original : files) {
    const Bytes saved = Saved(original, {{"INAM", "New"}});
    const RiffCheck before = CheckRiff(original), after = CheckRiff(saved);
    ASSERT_TRUE(after.WellFormed()) << after.Problem;
    for (const CheckedChunk& chunk : before.Chunks) {
      if (ToText(ChunkPayload(original, chunk.Offset)).rfind("INFO", 0) == 0) continue;
      EXPECT_EQ(ChunkPayload(saved, chunk.Offset), ChunkPayload(original, chunk.Offset)) << chunk.Id;
    }
    CWaveInfoFile wave;
    OpenBytes(wave, saved);
    EXPECT_EQ(TagOf(wave, "INAM"), "New");
  }
}

}  // namespace
