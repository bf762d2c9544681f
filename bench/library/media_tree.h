#pragma once

#include <cstddef>
#include <string>

// Writes a folder tree of count generated media files below root, 100 to a
// folder: 45% WAVE files with an INFO list (two in three carry a title),
// 45% MP3 files (half with an ID3v1 block), 10% text files. Returns the
// number of bytes written.
std::size_t WriteMediaTree(const std::string& root, std::size_t count);

// The file name the tree uses for file number i, so a dictionary can name it.
std::string MediaTreeFileName(std::size_t i);
