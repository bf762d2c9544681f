#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// One track of the album or one record of the mapping dictionary. In a track
// m_strFile is the path as the album received it; in a dictionary record it is
// the bare file name that serves as the key.
struct MediaEntry {
  std::string m_strFile;
  std::string m_strArtist;
  std::string m_strName;
  std::string m_strGenre;
  std::string m_strDate;
  std::string m_strComment;
  std::string m_strSource;
  // Presence flags, 1 when the file's own tag supplied the text of the same name.
  std::int32_t m_bArtist = 0;
  std::int32_t m_bName = 0;
  std::int32_t m_bGenre = 0;
  std::int32_t m_bDate = 0;
  std::int32_t m_bComment = 0;
  std::int32_t m_bSource = 0;
  std::int32_t m_nOrigin = 0;  // see EntryOrigin
  std::int32_t m_nKind = 0;    // see MediaKind

  bool operator==(const MediaEntry&) const = default;
};

// Where a track's texts came from; each value lights its own lamp.
enum EntryOrigin : std::int32_t {
  kOriginNone = 0,
  kOriginDictionary = 1,
  kOriginRiffInfo = 2,
  kOriginId3v1 = 3,
  kOriginFileTags = 4,  // ID3v2, Vorbis comments, MP4, ASF or APE tags
};

// Shows every member, so a failed comparison in a test says which one differs.
std::ostream& operator<<(std::ostream& out, const MediaEntry& entry);
