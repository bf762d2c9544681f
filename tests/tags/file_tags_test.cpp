#include "file_tags.h"

#include <gtest/gtest.h>

#include "cover_art.h"
#include "ffmpeg_files.h"
#include "four_cc.h"
#include "temp_dir.h"

namespace {

// Longer than an ID3v1 field, and not Latin-1 alone.
const TagTexts kTags = {{"title", "Modern Title with more than thirty characters, \xC3\xBCn\xC3\xAF \xE2\x82\xAC"},
                        {"artist", "Modern Artist"}, {"album", "An Album"}, {"genre", "Jazz"},
                        {"date", "2024-05-01"},      {"comment", "A note"}};

struct Format {
  const char* name;     // the file's name, whose extension picks the format
  const char* options;  // ffmpeg's output options
  bool cover;           // ffmpeg can embed a cover picture in it
};
std::ostream& operator<<(std::ostream& out, const Format& format) { return out << format.name; }

class FileTagsTest : public testing::TestWithParam<Format> {
 protected:
  void SetUp() override { if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg"; }
  TempDir dir;
};

// Each text reads as ffprobe reads it, as UTF-8; the source is never answered.
// A cover picture comes back byte for byte.
TEST_P(FileTagsTest, ReadsTheTextsAnIndependentReaderReads) {
  const Format& format = GetParam();
  const std::string path = dir.File(format.name);
  std::string options = format.options;
  if (format.cover) {
    ASSERT_EQ(std::system(("ffmpeg -v error -f lavfi -i color=red:s=8x8 -frames:v 1 " + dir.File("cover.png")).c_str()), 0);
    options = "-i " + dir.File("cover.png") + " -map 0 -map 1 -c:v png -disposition:v attached_pic " + options;
  }
  ASSERT_TRUE(WriteTaggedFile(path, kTags, options));
  const TagTexts probed = ProbeTags(path);
  for (const auto& [name, text] : kTags) ASSERT_EQ(probed.at(name), text) << name;

  CFileTags tags;
  ASSERT_EQ(tags.Read(path), 1);
  const std::pair<std::uint32_t, const char*> fields[] = {{fourcc::kINAM, "title"}, {fourcc::kIART, "artist"},
                                                         {fourcc::kIGNR, "genre"}, {fourcc::kICRD, "date"},
                                                         {fourcc::kICMT, "comment"}};
  std::string text;  // one text for every call: an absent tag must empty it
  const auto tag = [&](std::uint32_t id) { const int got = tags.GetTag(id, text); return std::tuple(got, text); };
  for (const auto& [id, name] : fields) EXPECT_EQ(tag(id), std::tuple(1, probed.at(name))) << name;
  EXPECT_EQ(std::tuple(tags.Album(), tag(fourcc::kISRC)), std::tuple(probed.at("album"), std::tuple(0, std::string())));

  CoverArt art;
  EXPECT_EQ(ReadCoverArt(path, art), format.cover ? 1 : 0);
  const Bytes png = format.cover ? ReadFileBytes(dir.File("cover.png")) : Bytes();
  EXPECT_EQ(std::tuple(art.Bytes, art.MimeType),
            std::tuple(std::string(png.begin(), png.end()), std::string(format.cover ? "image/png" : "")));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FileTagsTest,
    testing::Values(Format{"v24.mp3", "-id3v2_version 4", true}, Format{"v23.MP3", "-id3v2_version 3", false},
                    Format{"c.flac", "", true}, Format{"d.ogg", "-c:a libvorbis", false},
                    Format{"o.ogg", "-c:a libopus", false}, Format{"e.opus", "", false},
                    Format{"f.m4a", "", true}, Format{"g.wma", "", false}, Format{"h.aiff", "-write_id3v2 1", false},
                    Format{"i.wv", "", false}),
    [](const testing::TestParamInfo<Format>& info) {
      std::string name = info.param.name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

// Only an MP3 file's ID3v2 tag is read here (its ID3v1 block has its own
// reader); a format read elsewhere or unknown, a missing file and bytes that
// are no file of the format give nothing.
TEST(FileTagsOther, GiveNothingOutsideTheirOwnTags) {
  if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg";
  TempDir dir;
  const std::string id3v1Only = dir.File("v1.mp3");
  ASSERT_TRUE(WriteTaggedFile(id3v1Only, kTags, "-id3v2_version 0 -write_id3v1 1"));
  const std::string wave = dir.File("w.wav");
  ASSERT_TRUE(WriteTaggedFile(wave, kTags));
  CFileTags tags;
  for (const std::string& path : {id3v1Only, wave, dir.File("missing.flac")}) EXPECT_EQ(tags.Read(path), 0) << path;
  std::string text;
  EXPECT_EQ((std::tuple{tags.ReadBytes("x.flac", "fLaC not really"), tags.GetTag(fourcc::kINAM, text)}), std::tuple(0, 0));
}

}  // namespace
