#include "wave_info_file.h"

#include <gtest/gtest.h>

#include "four_cc.h"
#include "riff_builder.h"
#include "wave_test_util.h"

namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

const Tags kSixTags = {{"INAM", "Title"}, {"IART", "Artist"}, {"IGNR", "Jazz"},
                       {"ICRD", "1999"}, {"ISRC", "Album"}, {"ICMT", "Comment"}};

TEST(WaveInfoFileRead, CanonicalFileGivesHeaderAndAllSixTags) {
  CWaveInfoFile wave;
  OpenBytes(wave, CanonicalWave(SampleBytes(1000), kSixTags));
  EXPECT_EQ(wave.SamplesPerSec(), 44100u);
  EXPECT_EQ(wave.DataOffset(), 36u);
  EXPECT_EQ(wave.DataSize(), 1000u);
  EXPECT_EQ(wave.Summary().DataRate, "172 KB/s");
  for (const auto& [id, text] : kSixTags) EXPECT_EQ(TagOf(wave, id), text) << id;
}

// Writers that put their INFO list before the data, or a broadcast extension
// that pushes the data past byte 128: the chunk walk finds what the byte
// searches miss.
TEST(WaveInfoFileRead, ListBeforeTheDataAndLateDataAreFoundByTheChunkWalk) {
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder()
                      .Chunk("fmt ", PcmFormat(1, 8000, 8))
                      .Chunk("LIST", InfoList({{"INAM", "Before"}, {"ICMT", "metadata"}}))
                      .Chunk("data", SampleBytes(64))
                      .Build());
  EXPECT_EQ(TagOf(wave, "INAM"), "Before");
  EXPECT_EQ(wave.DataSize(), 64u);  // not the "data" inside "metadata"
  // A streaming writer leaves the RIFF size 0: the walk then goes to the end of the file.
  OpenBytes(wave, RiffBuilder()
                      .Chunk("fmt ", PcmFormat(1, 8000, 8))
                      .Chunk("LIST", InfoList({{"IART", "Streamed"}}))
                      .Chunk("data", SampleBytes(64))
                      .RiffSize(0)
                      .Build());
  EXPECT_EQ(TagOf(wave, "IART"), "Streamed");
  const Bytes late = RiffBuilder()
                         .Chunk("fmt ", PcmFormat(2, 44100, 16))
                         .Chunk("bext", Bytes(602, 0))
                         .Chunk("data", SampleBytes(300))
                         .Chunk("LIST", InfoList({{"INAM", "Found"}}))
                         .Build();
  std::vector<std::string> messages;
  wave.SetMessageSink([&](const std::string& text) { messages.push_back(text); });
  OpenBytes(wave, late);
  EXPECT_EQ(wave.DataOffset(), 646u);
  EXPECT_EQ(wave.DataSize(), 300u);
  EXPECT_EQ(TagOf(wave, "INAM"), "Found");
  EXPECT_TRUE(messages.empty());
}

// The list the search after the data finds is read as it always was; the tags
// of another list fill in only what it lacks. An INFO list behind another LIST
// is read with its own size.
TEST(WaveInfoFileRead, ListAfterTheDataComesFirstAndKeepsItsOwnSize) {
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder()
                      .Chunk("fmt ", PcmFormat(2, 44100, 16))
                      .Chunk("LIST", InfoList({{"INAM", "Before"}, {"IART", "Only before"}}))
                      .Chunk("data", SampleBytes(30))
                      .Chunk("LIST", ToBytes("adtl"))
                      .Chunk("LIST", InfoList({{"INAM", "After"}, {"ICMT", std::string(90, 'c')}}))
                      .Build());
  EXPECT_EQ(TagOf(wave, "INAM"), "After");
  EXPECT_EQ(TagOf(wave, "IART"), "Only before");
  EXPECT_EQ(TagOf(wave, "ICMT"), std::string(90, 'c'));
}

// The later of two sub-chunks wins; a text of only a NUL is absent; a text is
// read whole, and without its NUL it stops at its declared size instead of
// running into the next sub-chunk.
TEST(WaveInfoFileRead, SubChunkRules) {
  Bytes info = ToBytes("INFO");
  for (const Bytes& sub : {InfoSubChunk("INAM", "First"), InfoSubChunk("ITRK", "7"), InfoSubChunk("INAM", "Second"),
                           InfoSubChunk("IART", ""), InfoSubChunk("ICMT", std::string(300, 'c')),
                           ToBytes(std::string_view("ISBJ\x04\0\0\0Abcd", 12)), InfoSubChunk("ISFT", "Next")})
    info.insert(info.end(), sub.begin(), sub.end());
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("data", SampleBytes(10)).Chunk("LIST", info).Build());
  EXPECT_EQ(TagOf(wave, "INAM"), "Second");  // the later one wins
  EXPECT_EQ(TagOf(wave, "IART"), "<absent>");  // only a NUL
  EXPECT_EQ(TagOf(wave, "ICMT"), std::string(300, 'c'));  // whole, no 160-byte cap
  EXPECT_EQ(TagOf(wave, "ISBJ") + TagOf(wave, "ISFT"), "AbcdNext");
  EXPECT_EQ(wave.SetTag(fourcc::kIART, "Set"), 1);  // stored; an empty text or another id stores nothing
  EXPECT_EQ(wave.SetTag(fourcc::kIART, "") + wave.SetTag(MakeFourCC("ITRK"), "x"), 0);
  std::string out = "x";
  EXPECT_EQ(wave.GetTag(MakeFourCC("ITRK"), out), 0);
  EXPECT_EQ(out, "");
}

TEST(WaveInfoFileRead, ListRunningPastTheEndKeepsTheTagsReadSoFar) {
  Bytes list = InfoList({{"INAM", "Kept"}, {"IART", "Also"}});
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder()
                      .Chunk("fmt ", PcmFormat(2, 44100, 16))
                      .Chunk("data", SampleBytes(10))
                      .Chunk("LIST", list, {.DeclaredSize = 100000})
                      .Build());
  EXPECT_EQ(TagOf(wave, "INAM"), "Kept");
  EXPECT_EQ(TagOf(wave, "IART"), "Also");
}

TEST(WaveInfoFileRead, DataSizeZeroIsReportedAndParsingGoesOn) {
  std::vector<std::string> messages;
  CWaveInfoFile wave;
  wave.SetMessageSink([&](const std::string& text) { messages.push_back(text); });
  OpenBytes(wave, CanonicalWave({}, {{"INAM", "Still"}}));
  EXPECT_EQ(messages, std::vector<std::string>{"error decoding data size"});
  EXPECT_EQ(TagOf(wave, "INAM"), "Still");
}

// Sizes near 4 GiB must not wrap the LIST search back to the file's start.
TEST(WaveInfoFileRead, HugeDataSizeDoesNotWrap) {
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder()
                      .Chunk("fmt ", PcmFormat(2, 44100, 16))
                      .Chunk("data", SampleBytes(10), {.DeclaredSize = 0xFFFFFFF0})
                      .Chunk("LIST", InfoList({{"INAM", "Wrapped"}}))
                      .Build());
  EXPECT_FALSE(wave.ListFound());
  EXPECT_EQ(TagOf(wave, "INAM"), "<absent>");
}

// A field the file ends before reads 0, not whatever the reader held.
TEST(WaveInfoFileRead, HeaderFieldsBeyondTheEndReadZero) {
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).TruncateTo(25).Build());
  EXPECT_EQ(wave.Channels(), 2);
  EXPECT_EQ(wave.SamplesPerSec() + wave.BitsPerSample(), 0u);
}

// Only the last three letters of the name count, in any case, and no dot is
// needed; the file name is the part after the last separator.
TEST(WaveInfoFileRead, OpensNamesEndingInWav) {
  for (const auto& [path, accepted] : std::vector<std::pair<std::string, bool>>{
           {"/music/SONG.WAV", true}, {"songwav", true}, {"song.wave", false}, {"av", false}, {"song.mp3", false}}) {
    CWaveInfoFile wave;
    EXPECT_EQ(wave.OpenStore(std::make_unique<MemoryStore>(std::make_shared<Bytes>()), path), accepted ? 1 : 0) << path;
    EXPECT_EQ(wave.IsOpen(), accepted) << path;
  }
  CWaveInfoFile wave;
  wave.OpenStore(std::make_unique<MemoryStore>(std::make_shared<Bytes>()), "/music/a\\b.wav");
  EXPECT_EQ(wave.FileName(), "a\\b.wav");
}

}  // namespace
