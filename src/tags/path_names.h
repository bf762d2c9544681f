#pragma once

#include <string>

// True when the last three characters of path equal ending (three lower-case
// letters) in any case. No dot is needed: "songwav" passes, "song.wave" fails.
bool EndsWithTypeLetters(const std::string& path, const char* ending);

// The part of path after its last folder separator ('/', and also '\\' on
// Windows), or the whole path when it has none.
std::string FileNameOfPath(const std::string& path);
