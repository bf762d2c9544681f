#pragma once

#include <string_view>

// The tag formats read through TagLib, each named by the extensions of the
// files that carry it. WAVE files are not among them: their RIFF INFO list has
// a reader of its own.
enum class TagFormat {
  None,
  Mpeg,       // ID3v2 only; the ID3v1 block has its own reader
  Ogg,        // Vorbis, Opus or FLAC in an Ogg stream: the content decides
  Opus,
  Flac,       // Vorbis comments
  Mp4,        // atoms
  Asf,        // attributes
  Ape,
  WavPack,    // APE tags
  Musepack,   // APE tags
  Aiff,       // an ID3v2 chunk
};

// The format a file's extension names (compared without regard to ASCII case).
TagFormat TagFormatOfPath(std::string_view path);
