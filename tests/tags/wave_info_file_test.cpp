#include "wave_info_file.h"

#include <gtest/gtest.h>

#include "four_cc.h"
#include "riff_builder.h"
#include "wave_test_util.h"

namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

const Bytes kFmt = PcmFormat(2, 44100, 16);

// Where writers put the tags and the sound: the byte searches find them in
// the usual layout, and the chunk walk where the searches miss (a list before
// the data, a broadcast extension pushing the data past byte 128, a streaming
// writer's RIFF size of 0). The list the search after the data finds comes
// first, another fills in only what it lacks, and an INFO list behind another
// LIST keeps its own size. A list running past the end keeps the tags read so
// far; a data size near 4 GiB does not wrap the list search back to the start.
// A data chunk of size 0 is told once, and the file read on.
TEST(WaveInfoFileRead, TagsAndDataAreFoundWhereWritersPutThem) {
  const Tags sixTags = {{"INAM", "Title"}, {"IART", "Artist"}, {"IGNR", "Jazz"},
                        {"ICRD", "1999"}, {"ISRC", "Album"}, {"ICMT", "Comment"}};
  const Bytes before = InfoList({{"INAM", "Before"}, {"IART", "Only before"}});
  const std::tuple<Bytes, Tags, std::uint32_t, std::uint32_t> files[] = {
      {CanonicalWave(SampleBytes(1000), sixTags), sixTags, 36, 1000},
      {CanonicalWave({}, {{"INAM", "Still"}}), {{"INAM", "Still"}}, 36, 0},
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("LIST", InfoList({{"ICMT", "metadata"}})).Chunk("data", SampleBytes(64)).Build(),
       {{"ICMT", "metadata"}}, 66, 64},  // not the "data" inside "metadata"
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("LIST", before).Chunk("data", SampleBytes(64)).RiffSize(0).Build(),
       {{"INAM", "Before"}}, 84, 64},
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("bext", Bytes(602, 0)).Chunk("data", SampleBytes(300))
           .Chunk("LIST", InfoList({{"INAM", "Found"}})).Build(), {{"INAM", "Found"}}, 646, 300},
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("LIST", before).Chunk("data", SampleBytes(30)).Chunk("LIST", "adtl")
           .Chunk("LIST", InfoList({{"INAM", "After"}, {"ICMT", std::string(90, 'c')}})).Build(),
       {{"INAM", "After"}, {"IART", "Only before"}, {"ICMT", std::string(90, 'c')}}, 84, 30},
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("data", SampleBytes(10))
           .Chunk("LIST", InfoList({{"INAM", "Kept"}, {"IART", "Also"}}), {.DeclaredSize = 100000}).Build(),
       {{"INAM", "Kept"}, {"IART", "Also"}}, 36, 10},
      {RiffBuilder().Chunk("fmt ", kFmt).Chunk("data", SampleBytes(10), {.DeclaredSize = 0xFFFFFFF0})
           .Chunk("LIST", InfoList({{"INAM", "Wrapped"}})).Build(), {{"INAM", "<absent>"}}, 36, 0xFFFFFFF0},
  };
  for (const auto& [file, tags, dataOffset, dataSize] : files) {
    std::vector<std::string> told;
    CWaveInfoFile wave;
    wave.SetMessageSink([&](const std::string& text) { told.push_back(text); });
    SCOPED_TRACE(testing::Message() << "data at " << dataOffset);
    OpenBytes(wave, file);
    for (const auto& [id, text] : tags) EXPECT_EQ(TagOf(wave, id), text) << id;
    EXPECT_EQ(std::tuple(wave.DataOffset(), wave.DataSize(), told),
              std::tuple(dataOffset, dataSize, std::vector<std::string>(dataSize == 0, "error decoding data size")));
  }
}

// An extensible format is named by its sub-format, whose code a first fmt
// chunk of 40 bytes or more holds at its byte 24.
TEST(WaveInfoFileRead, ExtensibleFormatIsNamedByItsSubFormat) {
  Bytes fmt = PcmFormat(2, 48000, 24, 0xFFFE);
  fmt.insert(fmt.end(), {22, 0, 24, 0, 3, 0, 0, 0, 1, 0});  // extension size, bits, channels, the GUID's code
  fmt.resize(40);
  for (const auto& [size, name] : {std::pair<std::size_t, std::string>{40, "PCM"}, {39, "Unknown"}}) {
    CWaveInfoFile wave;
    OpenBytes(wave, RiffBuilder().Chunk("fmt ", Bytes(fmt.begin(), fmt.begin() + size)).Chunk("data", SampleBytes(6)).Build());
    EXPECT_EQ(wave.Summary().FormatName + ", " + wave.Summary().SampleRate + " Hz, " + wave.Summary().BitsPerSample + " bits",
              name + ", 48000 Hz, 24 bits") << size;
  }
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
  // The later INAM wins, an IART of only a NUL is absent, the ICMT is whole (no 160-byte cap).
  EXPECT_EQ(std::tuple(TagOf(wave, "INAM"), TagOf(wave, "IART"), TagOf(wave, "ICMT"), TagOf(wave, "ISBJ") + TagOf(wave, "ISFT")),
            std::tuple("Second", "<absent>", std::string(300, 'c'), "AbcdNext"));
  // Stored; an empty text or another id stores nothing.
  std::string out = "x";
  EXPECT_EQ((std::tuple{wave.SetTag(fourcc::kIART, "Set"), wave.SetTag(fourcc::kIART, "") + wave.SetTag(MakeFourCC("ITRK"), "x"),
                        wave.GetTag(MakeFourCC("ITRK"), out), out}),
            std::tuple(1, 0, 0, ""));
}

// A field the file ends before reads 0, not whatever the reader held; one
// that ends with the file is read.
TEST(WaveInfoFileRead, HeaderFieldsBeyondTheEndReadZero) {
  CWaveInfoFile wave;
  OpenBytes(wave, RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).TruncateTo(24).Build());
  EXPECT_EQ((std::tuple{wave.Parse(), wave.Channels(), wave.SamplesPerSec() + wave.BitsPerSample()}), std::tuple(1, 2, 0u));
}

// Only the last three letters of the name count, in any case, and no dot is
// needed; the file name is the part after the last separator.
TEST(WaveInfoFileRead, OpensNamesEndingInWav) {
  for (const auto& [path, name] : std::vector<std::pair<std::string, std::string>>{
           {"/music/SONG.WAV", "SONG.WAV"}, {"/music/a\\b.wav", "a\\b.wav"}, {"wav", "wav"}, {"song.wave", ""}, {"av", ""},
           {"song.mp3", ""}}) {  // a refused name is not kept
    CWaveInfoFile wave;
    EXPECT_EQ((std::tuple{wave.OpenStore(std::make_unique<MemoryStore>(std::make_shared<Bytes>()), path), wave.IsOpen(), wave.FileName()}),
              std::tuple(name.empty() ? 0 : 1, !name.empty(), name)) << path;
  }
}

}  // namespace
