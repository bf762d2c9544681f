#pragma once

#include <cstddef>
#include <string>

// The least work any tag scan of a tree can do: walk every folder, look at
// every entry, and for WAVE and MP3 files open them and read only the bytes
// that hold the tags (the chunk headers and the INFO list of a WAVE file, the
// last 128 bytes of an MP3 file). Returns the number of files seen.
std::size_t ReadTreeTagsFloor(const std::string& root);
