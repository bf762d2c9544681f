#pragma once

#include <cstdint>
#include <string>

#include "riff_builder.h"

// The fields of a 128-byte ID3v1 block. Each text is written from the start
// of its field; the rest of the field is filled with Fill (NUL or space). A
// text longer than its field is cut to the field.
struct Id3v1Fields {
  std::string Title;    // 30 bytes
  std::string Artist;   // 30
  std::string Album;    // 30
  std::string Year;     // 4
  std::string Comment;  // 30
  std::uint8_t Genre = 255;
  char Fill = '\0';
  std::string Magic = "TAG";  // three bytes
};

Bytes Id3v1Block(const Id3v1Fields& fields);

// An MP3-like file: audioBytes of audio-like bytes, then the block.
Bytes Mp3WithId3v1(const Id3v1Fields& fields, std::size_t audioBytes = 4096);
