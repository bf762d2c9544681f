#include "id3v1_file.h"

#include <gtest/gtest.h>

#include "four_cc.h"
#include "id3v1_builder.h"
#include "temp_dir.h"

namespace {

std::string Tag(const CId3v1File& file, std::uint32_t id) { std::string out; file.GetTag(id, out); return out; }

CId3v1File& Read(CId3v1File& file, const Bytes& bytes) {
  EXPECT_EQ(file.OpenStore(std::make_unique<MemoryStore>(std::make_shared<Bytes>(bytes)), "song.mp3"), 1);
  file.ReadTag();
  return file;
}

TEST(Id3v1File, FieldsAreCutAtNulAndFullWidthFieldsLoseTrailingSpaces) {
  Id3v1Fields fields{.Title = "Abcd", .Artist = "Abcd  ", .Album = std::string(30, 'z'), .Year = "1987",
                     .Comment = "Note", .Genre = 9};
  CId3v1File file;
  Read(file, Mp3WithId3v1(fields));
  std::string texts;  // title, artist (its spaces before a NUL stay), album, year, comment, genre
  for (std::uint32_t id : {fourcc::kINAM, fourcc::kIART, fourcc::kISRC, fourcc::kICRD, fourcc::kICMT, fourcc::kIGNR})
    texts += Tag(file, id) + "|";
  EXPECT_EQ(texts, "Abcd|Abcd  |" + std::string(30, 'z') + "|1987|Note|Metal|");

  fields.Fill = ' ';
  fields.Year = "";
  Read(file, Mp3WithId3v1(fields));
  EXPECT_EQ(Tag(file, fourcc::kIART) + "|" + Tag(file, fourcc::kICRD), "Abcd|");  // padded with spaces to full width
  std::string out = "x";
  EXPECT_EQ((std::tuple{file.GetTag(MakeFourCC("IARL"), out), out, file.Close()}), std::tuple(0, "", 1));
}

TEST(Id3v1File, NoTagWithoutExactTagMagicOrWithShortFiles) {
  CId3v1File file;
  Read(file, Mp3WithId3v1({.Title = "x", .Magic = "tag"}));
  EXPECT_EQ((std::tuple{file.ReadTag(), Tag(file, fourcc::kIGNR), file.GenreIndex()}), std::tuple(0, "", -1));
  EXPECT_EQ(Read(file, Bytes(127, 'T')).ReadTag(), 0);
  EXPECT_EQ(Tag(Read(file, Id3v1Block({.Title = "Only"})), fourcc::kINAM), "Only");
}

// Byte 79 is the last named genre; every byte past it reads as index 80, "Unknown".
TEST(Id3v1File, GenresPastTheTableAreUnknown) {
  CId3v1File file;
  for (const auto& [byte, index, name] : std::vector<std::tuple<int, int, std::string>>{
           {79, 79, "Hard Rock"}, {80, 80, "Unknown"}, {255, 80, "Unknown"}}) {
    Read(file, Id3v1Block({.Genre = static_cast<std::uint8_t>(byte)}));
    EXPECT_EQ(std::tuple(file.GenreIndex(), Tag(file, fourcc::kIGNR)), std::tuple(index, name)) << byte;
  }
}

TEST(Id3v1File, OpensOnlyMp3NamesAndRealFiles) {
  TempDir dir;
  const std::string path = dir.Write("Song.MP3", Mp3WithId3v1({.Title = "Disk"}));
  CId3v1File file;
  ASSERT_EQ(file.Open(path), 1);
  // The title is kept past Close until the next Open.
  EXPECT_EQ((std::tuple{file.ReadTag(), Tag(file, fourcc::kINAM), file.Close(), file.Close() + file.ReadTag(), Tag(file, fourcc::kINAM)}),
            std::tuple(1, "Disk", 1, 0, "Disk"));
  EXPECT_EQ((std::tuple{file.Open(dir.Write("a.mp2", Bytes(200, 0))),
                        file.OpenStore(std::make_unique<MemoryStore>(std::make_shared<Bytes>(Id3v1Block({}))), "a.mp2"),
                        file.Open(dir.File("missing.mp3")), Tag(file, fourcc::kINAM)}),
            std::tuple(0, 0, 0, ""));
}

}  // namespace
