#pragma once

#include <string>

// A picture embedded in a file's tags: its bytes and the image type they hold.
struct CoverArt {
  std::string MimeType;  // such as "image/jpeg"; empty when the tag does not say
  std::string Bytes;
};

// The front cover among the pictures of the file's tags (ID3v2 of MP3 and
// AIFF, FLAC pictures, Vorbis comments of Ogg, MP4 "covr", ASF "WM/Picture"),
// or the first picture when none is marked as the front cover. 1 when the
// file has one, else 0 and an empty picture.
int ReadCoverArt(const std::string& path, CoverArt& art);
