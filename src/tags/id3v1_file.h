#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "byte_stream.h"

// Reads the 128-byte ID3v1 block at the end of an MPEG audio file and answers
// with the same INFO identifiers the WAVE reader uses (INAM title, IART artist,
// ISRC album, ICRD year, ICMT comment, IGNR genre name). Never writes.
class CId3v1File {
 public:
  static constexpr std::size_t kGenreCount = 81;  // 80 standard names and "Unknown"
  static const std::array<const char*, kGenreCount> GenreTable;

  CId3v1File() = default;
  ~CId3v1File();

  // Opens a file whose path ends in "mp3" (any case, no dot needed).
  int Open(const std::string& path);
  int OpenStore(std::unique_ptr<ByteSource> source, const std::string& path);
  int ReadTag();
  int GetTag(std::uint32_t id, std::string& out) const;
  int Close();

  int GenreIndex() const { return m_nGenreIndex; }
  bool IsOpen() const { return m_bIsOpen; }

 private:
  void ResetFields();

  std::string m_strTitle, m_strArtist, m_strAlbum, m_strYear, m_strComment, m_strGenreName;
  int m_nGenreIndex = -1;
  bool m_bIsOpen = false;
  std::unique_ptr<ByteSource> m_source;
};
