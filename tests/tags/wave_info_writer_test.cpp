#include <gtest/gtest.h>

#include <map>

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

TEST(WaveInfoWriter, ClearingEveryTagRemovesTheList) {
  const Bytes tagged = CanonicalWave(SampleBytes(100), {{"INAM", "a"}, {"IART", "b"}, {"IGNR", "c"}});
  EXPECT_EQ(Saved(tagged, {{"INAM", ""}, {"IART", ""}, {"IGNR", ""}}), CanonicalWave(SampleBytes(100)));
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

// Writers that put their INFO list before the data (or two lists in one file):
// the list retired to JUNK has its tags carried into the new one, where the
// list after the data wins. The new list holds the table's tags in table
// order, byte for byte however long, then the sub-chunks the table does not
// name as they stood.
TEST(WaveInfoWriter, ListsBeforeTheDataAreRetiredWithEverySubChunkCarried) {
  const std::string latin1 = "Caf\xe9\xff\x80", typed(400, 'L');
  std::string longText(100 * 1024 + 2, 'c');
  for (std::size_t i = 0; i < longText.size(); i += 7) longText[i] = static_cast<char>('a' + i % 26);
  const Bytes original = RiffBuilder()
                             .Chunk("fmt ", PcmFormat(2, 44100, 16))
                             .Chunk("LIST", InfoList({{"INAM", "Before"}, {"ISFT", "Lavf"}, {"IXYZ", "ab"}, {"IDIT", "1999"}, {"ITRK", "22"}}))
                             .Chunk("data", SampleBytes(20))
                             .Chunk("LIST", InfoList({{"INAM", "Late"}, {"ICMT", longText}, {"ICOP", latin1}}))
                             .Build();
  const Bytes saved = Saved(original, {{"IART", typed}});
  const RiffCheck check = CheckRiff(saved);
  ASSERT_TRUE(check.WellFormed()) << check.Problem;
  EXPECT_EQ(check.Chunks[1].Id, "JUNK");
  EXPECT_EQ(check.Chunks.back().Id, "LIST");
  EXPECT_EQ(ChunkPayload(saved, check.Chunks.back().Offset),
            InfoList({{"IART", typed}, {"ICMT", longText}, {"ICOP", latin1}, {"INAM", "Late"}, {"ISFT", "Lavf"},
                      {"IDIT", "1999"}, {"IXYZ", "ab"}, {"ITRK", "22"}}));
}

struct RefusalCase {
  std::string Name;
  Bytes File;
  std::string Reason;  // what the message tells of the file
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class WaveInfoWriterRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(WaveInfoWriterRefusal, LeavesTheFileByteIdenticalAndSaysWhy) {
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, GetParam().File);
  wave.SetTag(fourcc::kINAM, "Never written");
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_EQ(wave.LastError(), "The tags were not saved: " + GetParam().Reason + ". The file was not changed.");
  EXPECT_EQ(wave.Close(), 1);
  EXPECT_EQ(*bytes, GetParam().File);
}

RiffBuilder Base() { return std::move(RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16))); }

// fmt, data and empty JUNK chunks up to `count` chunks.
Bytes WithChunks(int count) {
  RiffBuilder builder = Base().Chunk("data", SampleBytes(8));
  for (int i = 2; i < count; ++i) builder.Chunk("JUNK", Bytes());
  return builder.Build();
}

const std::string kNotRiffWave = "the file is not a RIFF WAVE file";
const std::string kRunsPast = "a chunk runs past the end of the RIFF chunk";

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveInfoWriterRefusal,
    testing::Values(
        RefusalCase{"Rf64", Base().Magic("RF64").Chunk("data", SampleBytes(8)).Build(), "RF64 files are not supported"},
        RefusalCase{"BigEndianRifx", Base().Magic("RIFX").Chunk("data", SampleBytes(8)).Build(), kNotRiffWave},
        RefusalCase{"NotWave", Base().FormType("AVI ").Chunk("data", SampleBytes(8)).Build(), kNotRiffWave},
        RefusalCase{"RiffSizeZero", Base().RiffSize(0).Chunk("data", SampleBytes(8)).Build(), "the RIFF size in its header is 0"},
        RefusalCase{"RiffSizeLargerThanFile", Base().RiffSize(5000).Chunk("data", SampleBytes(8)).Build(),
                    "the RIFF size in its header is larger than the file"},
        RefusalCase{"TruncatedData", Base().Chunk("data", SampleBytes(8), {.DeclaredSize = 80}).Build(), kRunsPast},
        RefusalCase{"CutChunkHeader", Base().Chunk("data", SampleBytes(8)).Raw(ToBytes("JUNK")).Build(),
                    "a chunk header is cut off at the end of the RIFF chunk"},
        RefusalCase{"BytesAfterTheRiff", Base().Chunk("data", SampleBytes(8)).RiffSize(44).Raw(ToBytes("TAGxx")).Build(),
                    "the file holds bytes after the end of its RIFF chunk"},
        RefusalCase{"NoDataChunk", Base().Chunk("LIST", InfoList({{"INAM", "x"}})).Build(), "the file holds no data chunk"},
        RefusalCase{"TooManyChunks", WithChunks(65537), "the file holds too many chunks"},
        RefusalCase{"TooManyChunksWithTheList", WithChunks(65536), "with the new tags, the file holds too many chunks"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.Name; });

// Ordinary files whose data lies past byte 128, whose INFO list follows
// another LIST or stands before cue points, or that hold as many chunks as a
// save accepts with the new list, are saved, and can be saved again; every
// chunk but the INFO lists keeps its id, its place and its bytes.
TEST(WaveInfoWriter, LateDataAndOtherListsAreSavedWithEveryOtherChunkKept) {
  const Bytes files[] = {
      Base().Chunk("bext", Bytes(602, 0)).Chunk("data", SampleBytes(80)).Build(),
      Base().Chunk("data", SampleBytes(33)).Chunk("LIST", InfoList({{"INAM", "Old"}})).Chunk("cue ", SampleBytes(28)).Build(),
      Base().Chunk("data", SampleBytes(8)).Chunk("LIST", ToBytes("adtlxxxx")).Chunk("LIST", InfoList({{"IART", "x"}})).Build(),
      WithChunks(65535),
  };
  for (const Bytes& original : files) {
    const Bytes saved = Saved(original, {{"INAM", "New"}});
    EXPECT_EQ(BrokenSavePromise(original, saved, true), "");
    CWaveInfoFile wave;
    OpenBytes(wave, saved);
    EXPECT_EQ(TagOf(wave, "INAM"), "New");
    EXPECT_EQ(BrokenSavePromise(saved, Saved(saved, {{"IART", "Again"}}), true), "");  // and saved again
  }
}

// A file of any length whose bytes are 0 but for those written: a file near
// 4 GiB without 4 GiB of memory. A growing save never cuts it.
struct SparseFile {
  std::uint64_t length;
  std::map<std::uint64_t, std::uint8_t> bytes;
  bool operator==(const SparseFile&) const = default;
};

class SparseStore final : public ByteStore {
 public:
  explicit SparseStore(SparseFile& file) : file_(file) {}
  std::uint64_t Size() const override { return file_.length; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    const auto count = static_cast<std::size_t>(offset < file_.length ? std::min<std::uint64_t>(out.size(), file_.length - offset) : 0);
    std::fill_n(out.begin(), count, 0);
    for (auto at = file_.bytes.lower_bound(offset); at != file_.bytes.end() && at->first < offset + count; ++at)
      out[at->first - offset] = at->second;
    return count;
  }
  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    for (std::uint8_t byte : bytes) file_.bytes[offset++] = byte;
    file_.length = std::max(file_.length, offset);
    return true;
  }
  bool Truncate(std::uint64_t) override { return false; }
  bool Flush() override { return true; }
  bool Close() override { return true; }

 private:
  SparseFile& file_;
};

// Files of 4 GiB or more are refused, and so is a save that would make one (a
// 24-byte list is added here), so every saved file can be saved again.
TEST(WaveInfoWriter, NoSaveReachesOrChangesAFileOf4GiB) {
  constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;
  for (const auto& [length, reason] : std::vector<std::pair<std::uint64_t, std::string>>{
           {k4GiB - 26, ""}, {k4GiB - 24, "the file would grow to 4 GiB or more"}, {k4GiB, "the file is 4 GiB or larger"}}) {
    SparseFile file{length, {}};
    Bytes head = Base().RiffSize(static_cast<std::uint32_t>(length - 8)).Build();
    PushFourCC(head, "data");
    PushLe32(head, static_cast<std::uint32_t>(length - head.size() - 4));
    SparseStore(file).WriteAt(0, head);
    const SparseFile before = file;
    CWaveInfoFile wave;
    wave.SetAccessMode(ReadWrite);
    ASSERT_EQ(wave.OpenStore(std::make_unique<SparseStore>(file), "big.wav"), 1);
    wave.Parse();
    wave.SetTag(fourcc::kINAM, "New");
    EXPECT_EQ(wave.WriteInfo(), reason.empty() ? 1 : 0);
    EXPECT_EQ(wave.LastError(), reason.empty() ? "" : "The tags were not saved: " + reason + ". The file was not changed.");
    wave.Close();
    if (!reason.empty()) {
      EXPECT_TRUE(file == before) << reason;
      continue;
    }
    EXPECT_EQ(file.length, k4GiB - 2);
    wave.OpenStore(std::make_unique<SparseStore>(file), "big.wav");
    wave.Parse();
    EXPECT_EQ(TagOf(wave, "INAM"), "New");
  }
}

}  // namespace
