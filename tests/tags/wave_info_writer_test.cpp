#include <gtest/gtest.h>

#include <filesystem>

#include "four_cc.h"
#include "riff_builder.h"
#include "riff_check.h"
#include "temp_dir.h"
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

RiffBuilder Base() { return std::move(RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16))); }

// Odd texts keep their size and are followed by their NUL; even texts count
// the NUL in the size and get a pad byte after it. After an odd data size the
// list follows the data's pad byte.
TEST(WaveInfoWriter, WritesTheListAfterTheDataAndGrowsTheRiffSize) {
  for (const auto& [audio, text, sizeField] : std::vector<std::tuple<std::size_t, std::string, std::uint32_t>>{
           {100, "Hello", 5}, {100, "Four", 5}, {7, "A", 1}, {100, "Ab", 3}}) {
    const Bytes expected =  // its sub-chunk: the text, its NUL, a pad byte to an even length
        Base().Chunk("data", SampleBytes(audio)).Chunk("LIST", "INFO" + ToText(InfoSubChunk("INAM", text, sizeField))).Build();
    EXPECT_EQ(Saved(CanonicalWave(SampleBytes(audio)), {{"INAM", text}}), expected) << text;
  }
}

TEST(WaveInfoWriter, SavingTwiceEqualsSavingOnce) {
  const Bytes original = CanonicalWave(SampleBytes(101), {{"INAM", std::string(40, 'n')}, {"ICMT", "Old comment"}});
  const Tags edits = {{"INAM", "New"}, {"IART", "Someone"}};
  EXPECT_EQ(Saved(original, edits, 2), Saved(original, edits, 1));
  EXPECT_EQ(Saved(Saved(original, edits), edits), Saved(original, edits));
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
  EXPECT_EQ((std::tuple{wave.WriteInfo(), wave.Close(), wave.Close(), wave.WriteInfo()}), std::tuple(0, 1, 0, 0));
  EXPECT_EQ(wave.LastError() + ToText(*bytes), ToText(original));  // no message, no change
}

// Writers that put their INFO list before the data (or two lists in one file):
// the lists retired to JUNK (an empty one too) have their tags carried into
// the new one, where the list after the data wins; a list of another type
// stays. The new list holds the table's tags in table order, byte for byte
// however long, then the sub-chunks the table does not name as they stood,
// from one of no bytes at the very end of the file to one of 70 KiB.
TEST(WaveInfoWriter, ListsBeforeTheDataAreRetiredWithEverySubChunkCarried) {
  const std::string latin1 = "Caf\xe9\xff\x80", typed(400, 'L'), foreign(70 * 1024, 'f');
  std::string longText(100 * 1024 + 2, 'c');
  for (std::size_t i = 0; i < longText.size(); i += 7) longText[i] = static_cast<char>('a' + i % 26);
  const std::string empty("IZRO\0\0\0\0", 8);
  const Bytes original =
      RiffBuilder()
          .Chunk("fmt ", PcmFormat(2, 44100, 16))
          .Chunk("LIST", "INFO")
          .Chunk("LIST", InfoList({{"INAM", "Before"}, {"IXYZ", "ab"}, {"IDIT", "1999"}, {"ITRK", "22"}}))
          .Chunk("data", SampleBytes(20))
          .Chunk("LIST", "adtlnote")
          .Chunk("LIST", ToText(InfoList({{"INAM", "Late"}, {"ICMT", longText}, {"ICOP", latin1}, {"IBIG", foreign}})) + empty)
          .Build();
  const Bytes saved = Saved(original, {{"IART", typed}});
  EXPECT_EQ(BrokenSavePromise(original, saved, true), "");
  const RiffCheck check = CheckRiff(saved);
  ASSERT_TRUE(check.Chunks.size() == 6u && check.Chunks[1].Id + check.Chunks[2].Id == "JUNKJUNK");
  EXPECT_EQ(ToText(ChunkPayload(saved, check.Chunks[5].Offset)),
            ToText(InfoList({{"IART", typed}, {"ICMT", longText}, {"ICOP", latin1}, {"INAM", "Late"}, {"IDIT", "1999"}, {"IBIG", foreign}})) +
                empty + ToText(InfoSubChunk("IXYZ", "ab")) + ToText(InfoSubChunk("ITRK", "22")));
}

// The reason is what the message tells of the file.
struct RefusalCase { std::string Name; Bytes File; std::string Reason; };

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.Name; }

class WaveInfoWriterRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(WaveInfoWriterRefusal, LeavesTheFileByteIdenticalAndSaysWhy) {
  CWaveInfoFile wave;
  auto bytes = OpenBytes(wave, GetParam().File);
  wave.SetTag(fourcc::kINAM, "Never written");
  EXPECT_EQ((std::tuple{wave.WriteInfo(), wave.LastError(), wave.Close(), *bytes}),
            std::tuple(0, "The tags were not saved: " + GetParam().Reason + ". The file was not changed.", 1, GetParam().File));
}

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
        RefusalCase{"HeaderOnly", RiffBuilder().Build(), "the file holds no data chunk"},
        RefusalCase{"ListInsideAChunk",  // the list search finds the bytes of one in a cue chunk first
                    Base().Chunk("data", SampleBytes(8))
                        .Chunk("cue ", std::string_view("LIST\x12\0\0\0INFOINAM\x05\0\0\0Fake\0\0", 26)).Build(),
                    "the new tags could not be read back from this file's layout"},
        RefusalCase{"NoDataChunk", Base().Chunk("LIST", InfoList({{"INAM", "x"}})).Build(), "the file holds no data chunk"},
        RefusalCase{"TooManyChunks", WithChunks(65537), "the file holds too many chunks"},
        RefusalCase{"TooManyChunksWithTheList", WithChunks(65536), "with the new tags, the file holds too many chunks"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.Name; });

// Files of 4 GiB or more are refused, and so is a save that would make one (a
// 24-byte list is added here), so every saved file can be saved again. The
// files are sparse: only their first bytes are on the disk.
TEST(WaveInfoWriter, NoSaveReachesOrChangesAFileOf4GiB) {
  constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;
  TempDir dir;
  for (const auto& [length, reason] : std::vector<std::pair<std::uint64_t, std::string>>{
           {k4GiB - 26, ""}, {k4GiB - 24, "the file would grow to 4 GiB or more"}, {k4GiB, "the file is 4 GiB or larger"}}) {
    Bytes head = Base().RiffSize(static_cast<std::uint32_t>(length - 8)).Build();
    PushFourCC(head, "data");
    PushLe32(head, static_cast<std::uint32_t>(length - head.size() - 4));
    const std::string path = dir.Write("big.wav", head);
    std::filesystem::resize_file(path, length);
    CWaveInfoFile wave;
    wave.SetAccessMode(ReadWrite);
    ASSERT_EQ((std::tuple{wave.Open(path), wave.Parse()}), std::tuple(1, 1));
    wave.SetTag(fourcc::kINAM, "New");
    const bool saves = reason.empty();
    EXPECT_EQ((std::tuple{wave.WriteInfo(), wave.LastError()}),
              std::tuple(saves ? 1 : 0, saves ? "" : "The tags were not saved: " + reason + ". The file was not changed."));
    EXPECT_EQ((std::tuple{wave.Open(path), wave.Parse(), TagOf(wave, "INAM"), std::filesystem::file_size(path)}),
              std::tuple(1, 1, saves ? "New" : "<absent>", saves ? k4GiB - 2 : length)) << length;
  }
}

}  // namespace
