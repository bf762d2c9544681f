#pragma once

#include <map>
#include <string>

// Files of today's formats written by ffmpeg at test time, and ffprobe's
// reading of their tags: an independent writer and reader to hold our own
// reader against.

using TagTexts = std::map<std::string, std::string>;  // ffmpeg's names: title, artist, album ...

bool HaveFfmpeg();

// text in single quotes for the shell, so it reaches a program as written.
std::string ShellQuoted(const std::string& text);
// All that the shell command writes to its standard output.
std::string CommandOutput(const std::string& command);

// A 0.2 s tone written to path by ffmpeg with these tags and extra output
// options (such as "-id3v2_version 3"); the format follows path's extension.
// false when ffmpeg fails.
bool WriteTaggedFile(const std::string& path, const TagTexts& tags, const std::string& options = "");

// Every tag ffprobe reads from the file's container and audio streams, by
// its lower-case name.
TagTexts ProbeTags(const std::string& path);
