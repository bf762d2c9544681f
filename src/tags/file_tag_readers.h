#pragma once

#include <string>

class CFileTags;
struct CoverArt;

// The readers of today's tag formats, which live with TagLib. Tests and tools
// link them (LinkedFileTagReaders); the program takes them from a module it
// loads when a file first needs them, so TagLib costs nothing at start-up.
struct FileTagReaders {
  int (*ReadTags)(const std::string& path, CFileTags& tags) = nullptr;
  int (*ReadCover)(const std::string& path, CoverArt& art) = nullptr;
};

// The name of the function the module exports:
//   const FileTagReaders* velmora_file_tag_readers();
inline constexpr const char* kFileTagModuleEntry = "velmora_file_tag_readers";
// The module's file name without the platform's suffix.
inline constexpr const char* kFileTagModuleName = "velmora-tags";
