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

struct LayoutCase {
  std::string Name;
  std::uint32_t SizeField;
  std::size_t ZeroBytes;
  std::uint32_t ListSize;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << "\"" << c.Name << "\""; }

class InfoSubChunkLayout : public testing::TestWithParam<LayoutCase> {};

// Odd texts keep their size and are followed by their NUL; even texts count
// the NUL in the size and get a pad byte after it.
TEST_P(InfoSubChunkLayout, WritesTheListAfterTheDataAndGrowsTheRiffSize) {
  const LayoutCase& c = GetParam();
  const Bytes original = CanonicalWave(SampleBytes(100));
  const Bytes saved = Saved(original, {{"INAM", c.Name}});
  Bytes expected = original;
  PushFourCC(expected, "LIST");
  PushLe32(expected, c.ListSize);
  PushFourCC(expected, "INFO");
  PushFourCC(expected, "INAM");
  PushLe32(expected, c.SizeField);
  for (char ch : c.Name) expected.push_back(static_cast<std::uint8_t>(ch));
  expected.insert(expected.end(), c.ZeroBytes, 0);
  PutLe32(expected, 4, Le32(original, 4) + c.ListSize + 8);
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(Le32(saved, 4) + 8u, saved.size());
}

INSTANTIATE_TEST_SUITE_P(TextLengths, InfoSubChunkLayout,
                         testing::Values(LayoutCase{"Hello", 5, 1, 18}, LayoutCase{"Four", 5, 2, 18},
                                         LayoutCase{"A", 1, 1, 14}, LayoutCase{"Ab", 3, 2, 16}));

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

TEST(WaveInfoWriter, ForeignTableTagsSurviveInTableOrder) {
  const Bytes original = CanonicalWave(SampleBytes(10), {{"ISFT", "Editor 2"}, {"ICOP", "(c)"}, {"ITRK", "3"}});
  const Bytes saved = Saved(original, {{"INAM", "Name"}, {"ICMT", "Note"}});
  const std::string text = ToText(saved);
  const std::size_t cmt = text.find("ICMT"), cop = text.find("ICOP"), nam = text.find("INAM"), sft = text.find("ISFT");
  ASSERT_NE(sft, std::string::npos);
  EXPECT_TRUE(cmt < cop && cop < nam && nam < sft);
  EXPECT_EQ(text.find("ITRK"), std::string::npos);  // identifiers outside the table are not kept
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
  EXPECT_EQ(wave.LastError(), "");
  EXPECT_EQ(wave.Close(), 1);
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_EQ(wave.LastError(), "");
  EXPECT_EQ(*bytes, original);
}

TEST(WaveInfoWriter, OddDataSizePutsTheListAfterThePadByte) {
  const Bytes original = CanonicalWave(SampleBytes(7));
  const Bytes saved = Saved(original, {{"INAM", "Pad"}});
  EXPECT_EQ(ToText(Bytes(saved.begin() + 52, saved.begin() + 56)), "LIST");  // 44 + 7 + pad
  EXPECT_TRUE(CheckRiff(saved).WellFormed()) << CheckRiff(saved).Problem;
}

// A last data chunk of odd size whose pad byte the file lacks gets its pad byte.
TEST(WaveInfoWriter, MissingPadByteOfTheLastChunkIsAdded) {
  const Bytes original = RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("data", SampleBytes(7), {.Pad = false}).Build();
  const Bytes saved = Saved(original, {{"IART", "X"}});
  EXPECT_TRUE(CheckRiff(saved).WellFormed()) << CheckRiff(saved).Problem;
  EXPECT_EQ(saved[51], 0);
  EXPECT_EQ(Bytes(saved.begin() + 8, saved.begin() + 51), Bytes(original.begin() + 8, original.end()));
}

TEST(WaveInfoWriter, TextsAreWrittenWholeAndByteForByte) {
  const std::string latin1 = "Caf\xe9 \xff\x80";
  const std::string longText(400, 'L');
  const Bytes original = CanonicalWave(SampleBytes(10), {{"ICMT", latin1}});
  const Bytes saved = Saved(original, {{"INAM", longText}});
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  EXPECT_EQ(TagOf(wave, "ICMT"), latin1);
  EXPECT_EQ(TagOf(wave, "INAM"), longText);
}

TEST(WaveInfoWriter, InfoListFollowedByOtherChunksBecomesJunkAndTheNewListEndsTheFile) {
  const Bytes cue = SampleBytes(28);
  const Bytes original = RiffBuilder()
                             .Chunk("fmt ", PcmFormat(2, 44100, 16))
                             .Chunk("data", SampleBytes(33))
                             .Chunk("LIST", InfoList({{"INAM", "Old"}, {"ISFT", "Tool"}}))
                             .Chunk("cue ", cue)
                             .Build();
  const Bytes saved = Saved(original, {{"INAM", "New"}});
  const RiffCheck check = CheckRiff(saved);
  ASSERT_TRUE(check.WellFormed()) << check.Problem;
  std::vector<std::string> ids;
  for (const CheckedChunk& chunk : check.Chunks) ids.push_back(chunk.Id);
  EXPECT_EQ(ids, (std::vector<std::string>{"fmt ", "data", "JUNK", "cue ", "LIST"}));
  EXPECT_EQ(ChunkPayload(saved, check.Chunks[3].Offset), cue);
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  EXPECT_EQ(TagOf(wave, "INAM"), "New");
  EXPECT_EQ(TagOf(wave, "ISFT"), "Tool");
}

TEST(WaveInfoWriter, InfoListBeforeTheDataIsRetired) {
  const Bytes original = RiffBuilder()
                             .Chunk("fmt ", PcmFormat(2, 44100, 16))
                             .Chunk("LIST", InfoList({{"INAM", "Unseen"}}))
                             .Chunk("data", SampleBytes(20))
                             .Build();
  const Bytes saved = Saved(original, {{"IART", "Seen"}});
  const RiffCheck check = CheckRiff(saved);
  ASSERT_TRUE(check.WellFormed()) << check.Problem;
  EXPECT_EQ(check.Chunks[1].Id, "JUNK");
  EXPECT_EQ(check.Chunks.back().Id, "LIST");
  CWaveInfoFile wave;
  OpenBytes(wave, saved);
  EXPECT_EQ(TagOf(wave, "IART"), "Seen");
  EXPECT_EQ(TagOf(wave, "INAM"), "<absent>");
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
        RefusalCase{"RiffSizeZero", Base().RiffSize(0).Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"RiffSizeLargerThanFile", Base().RiffSize(5000).Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"TruncatedData", Base().Chunk("data", SampleBytes(8), {.DeclaredSize = 80}).Build()},
        RefusalCase{"BytesAfterTheRiff", Base().Chunk("data", SampleBytes(8)).RiffSize(44).Raw(ToBytes("TAGxx")).Build()},
        RefusalCase{"DataAtOffset128", Base().Chunk("fact", Bytes(84, 0)).Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"NotWave", Base().FormType("AVI ").Chunk("data", SampleBytes(8)).Build()},
        RefusalCase{"OtherListHidesTheNewOne",
                    Base()
                        .Chunk("data", SampleBytes(8))
                        .Chunk("LIST", ToBytes("adtlxxxx"))
                        .Chunk("LIST", InfoList({{"IART", "x"}}))
                        .Build()}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.Name; });

// A store whose writes, length changes or flushes fail on demand.
class FailingStore final : public ByteStore {
 public:
  FailingStore(std::shared_ptr<Bytes> bytes, bool failWrite, bool failTruncate)
      : inner_(std::move(bytes)), failWrite_(failWrite), failTruncate_(failTruncate) {}
  std::uint64_t Size() const override { return inner_.Size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override { return inner_.ReadAt(offset, out); }
  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    return !failWrite_ && inner_.WriteAt(offset, bytes);
  }
  bool Truncate(std::uint64_t length) override { return !failTruncate_ && inner_.Truncate(length); }
  bool Flush() override { return true; }
  bool Close() override { return true; }

 private:
  MemoryStore inner_;
  bool failWrite_;
  bool failTruncate_;
};

TEST(WaveInfoWriter, FailedWriteIsReported) {
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  auto bytes = std::make_shared<Bytes>(CanonicalWave(SampleBytes(10)));
  wave.OpenStore(std::make_unique<FailingStore>(bytes, true, false), "x.wav");
  wave.Parse();
  wave.SetTag(fourcc::kINAM, "Lost");
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_EQ(wave.LastError(), "Cannot write the tags to this file.");
  EXPECT_FALSE(wave.Modified());
}

TEST(WaveInfoWriter, FailedLengthChangeAtCloseIsReported) {
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  auto bytes = std::make_shared<Bytes>(CanonicalWave(SampleBytes(10), {{"ICMT", std::string(50, 'x')}}));
  wave.OpenStore(std::make_unique<FailingStore>(bytes, false, true), "x.wav");
  wave.Parse();
  wave.SetTag(fourcc::kICMT, "short");
  EXPECT_EQ(wave.WriteInfo(), 1);
  EXPECT_EQ(wave.Close(), 0);
  EXPECT_FALSE(wave.LastError().empty());
}

}  // namespace
