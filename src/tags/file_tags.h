#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace TagLib {
class IOStream;
}
enum class TagFormat;

// The texts of a file's own tags in the formats read through TagLib: the
// ID3v2 tag of an MP3 file, the Vorbis comments of FLAC, Ogg Vorbis and Opus,
// the atoms of MP4, the attributes of ASF, the APE tags of APE, WavPack and
// Musepack, the ID3v2 chunk of AIFF. Texts are UTF-8 whatever the tag's own
// encoding; several values of one field are joined with " / ". Answers with
// the INFO identifiers the WAVE reader uses (INAM title, IART artist, IGNR
// genre, ICRD date as stored, the year or a full date, ICMT comment). ISRC
// (source) is never answered: none of these formats has a field that means it.
//
// Read and ReadBytes live with TagLib (taglib/file_tags_reading.cpp); the
// program reaches them through the module it loads when a file first needs
// them (FileTagModule), so TagLib costs nothing at start-up.
class CFileTags {
 public:
  // Reads the tags of the file at path, in the format its extension names.
  // 1 when the file is a valid file of that format and its tags give at least
  // one of the texts GetTag answers; 0 otherwise (and every text empty when
  // the file cannot be read).
  int Read(const std::string& path);
  // Read, from bytes in memory that a file named name would hold.
  int ReadBytes(std::string_view name, const std::string& bytes);
  // 1 and the text when the tags gave it, else 0 and an empty text.
  int GetTag(std::uint32_t id, std::string& out) const;
  // The album, which the six texts have no place for.
  const std::string& Album() const { return m_strAlbum; }

 private:
  int ReadFrom(TagLib::IOStream& stream, TagFormat format);

  std::string m_strTitle, m_strArtist, m_strAlbum, m_strGenre, m_strDate, m_strComment;
};
