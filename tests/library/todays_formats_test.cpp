// Files of today's formats, written by ffmpeg, take their texts from their
// own tags first and from the dictionary when those give no title, as WAVE
// files do; an MP3 file prefers its ID3v2 tag to its ID3v1 block.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "ffmpeg_files.h"
#include "four_cc.h"
#include "id3v1_builder.h"
#include "linked_readers.h"
#include "media_kind.h"
#include "track_collection.h"
#include "tracklist_fakes.h"

namespace {

const char* const kFormats[] = {"a.flac", "b.ogg", "c.opus", "d.m4a", "e.wma", "f.aiff"};

PlatformHooks ReadingHooks(std::vector<std::string>* messages) {
  PlatformHooks hooks = RecordingHooks(messages);
  hooks.ReadFileTags = LinkedFileTagReaders().ReadTags;
  return hooks;
}

class TodaysFormatsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg";
    MediaEntry record = DictionaryStore::MakeRecord("");
    record.m_strName = "Mapped";
    for (const char* name : kFormats) {
      record.m_strFile = std::string("known-") + name;
      dictionary.Entries().Add(record);
    }
    controller.dictionary = &dictionary;
  }

  std::string Made(const std::string& name, const TagTexts& tags, const std::string& options = "") {
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteTaggedFile(path, tags, options + (name.ends_with(".aiff") ? " -write_id3v2 1" : "")));
    return path;
  }

  TempDir dir;
  std::vector<std::string> messages;
  DictionaryStore dictionary;
  FakeController controller;
  TrackCollection tracks{controller, ReadingHooks(&messages), dir.File("default.alb")};
};

TEST_F(TodaysFormatsTest, OwnTagsFirstThenTheDictionary) {
  const auto texts = [](const MediaEntry& e) { return std::tuple(e.m_strName, e.m_strArtist, e.m_nOrigin); };
  for (const std::string name : kFormats) {
    const MediaEntry titled = tracks.BuildEntry(Made(name, {{"title", "T \xC3\xA9"}, {"artist", "A"}, {"date", "2024"}}));
    EXPECT_EQ(texts(titled), std::tuple("T \xC3\xA9", "A", kOriginFileTags)) << name;
    EXPECT_EQ(std::tuple(titled.m_strDate, titled.m_bDate, titled.m_nKind), std::tuple("2024", 1, kKindAudio)) << name;
    EXPECT_EQ(texts(tracks.BuildEntry(Made("unknown-" + name, {{"artist", "A"}}))),
              std::tuple("unknown-" + name, "A", kOriginNone));
    EXPECT_EQ(texts(tracks.BuildEntry(Made("known-" + name, {{"artist", "A"}}))), std::tuple("Mapped", "", kOriginDictionary))
        << name;
  }
  EXPECT_TRUE(messages.empty());
}

void Append(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::app).write(reinterpret_cast<const char*>(bytes.data()),
                                                              static_cast<std::streamsize>(bytes.size()));
}

// ffmpeg gives every MP3 file an ID3v2 tag, if only with its own name: a tag
// without a title leaves the track to the ID3v1 block exactly as before, and
// an MP3 file never asks the dictionary.
TEST_F(TodaysFormatsTest, AnMp3FileTakesItsId3v2TitleOverItsId3v1Block) {
  const std::string longTitle(40, 'L');
  const MediaEntry both = tracks.BuildEntry(Made("both.mp3", {{"title", longTitle}, {"artist", "A"}}, "-write_id3v1 1"));
  EXPECT_EQ(std::tie(both.m_strName, both.m_nOrigin), std::tuple(longTitle, kOriginFileTags));

  const Bytes withBlock = Mp3WithId3v1({.Title = "Old title", .Artist = "Old artist", .Album = {}, .Year = {}, .Comment = {}, .Genre = 17});
  const std::string plain = dir.Write("plain.mp3", withBlock);
  const MediaEntry expected = tracks.BuildEntry(plain);
  ASSERT_EQ(expected.m_nOrigin, kOriginId3v1);
  const std::string encoded = Made("encoded.mp3", {});
  Append(encoded, Bytes(withBlock.end() - 128, withBlock.end()));
  MediaEntry v1Only = tracks.BuildEntry(encoded);
  v1Only.m_strFile = plain;
  EXPECT_EQ(v1Only, expected);

  MediaEntry record = DictionaryStore::MakeRecord("untitled.mp3");
  record.m_strName = "Mapped";
  dictionary.Entries().Add(record);
  const MediaEntry untitled = tracks.BuildEntry(Made("untitled.mp3", {{"artist", "A"}}));
  EXPECT_EQ(std::tie(untitled.m_strName, untitled.m_strArtist, untitled.m_nOrigin),
            std::tuple("untitled.mp3", "A", kOriginNone));
}

// An MP3 file cut inside its tag's first frame, a FLAC file whose metadata block lengths lie and an
// MP4 file whose atom sizes run past its end are shown by their names.
TEST_F(TodaysFormatsTest, DamagedFilesShowTheirNames) {
  const TagTexts tags = {{"title", "T"}, {"artist", "A"}};
  Bytes mp3 = ReadFileBytes(Made("m.mp3", tags));
  mp3.resize(15);
  Bytes flac = ReadFileBytes(Made("f.flac", tags));
  for (std::size_t at = 5; at < 8; ++at) flac[at] = 0xFF;  // the STREAMINFO block's length
  Bytes mp4 = ReadFileBytes(Made("m.m4a", tags));
  for (std::size_t at = 0; at < 4; ++at) mp4[at] = 0x7F;  // the first atom's size
  for (const auto& [name, bytes] : {std::pair{"cut.mp3", mp3}, {"lying.flac", flac}, {"long.m4a", mp4}}) {
    const MediaEntry entry = tracks.BuildEntry(dir.Write(name, bytes));
    EXPECT_EQ(std::tie(entry.m_strName, entry.m_nOrigin), std::tuple(name, kOriginNone)) << name;
  }
}

}  // namespace
