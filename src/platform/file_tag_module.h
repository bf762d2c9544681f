#pragma once

#include <string>

class CFileTags;
struct CoverArt;

// Today's tag formats are read by TagLib, which lives in a module of its own
// ("velmora-tags"), loaded the first time a file needs it instead of at
// start-up, from the folders the playback module is looked for in. Where it
// cannot be loaded, those files show no tags of their own (their names, or
// the dictionary's texts) and the reason is written to the error output once.
int ReadFileTagsFromModule(const std::string& path, CFileTags& tags);
int ReadCoverArtFromModule(const std::string& path, CoverArt& art);
