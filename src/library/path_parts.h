#pragma once

#include <string>
#include <string_view>

// The separator between a folder and the names inside it on this platform.
#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Path helpers working on single bytes; each looks for the last occurrence of
// one character.
//   FileNamePart:  after the last separator, the whole text without one.
//   ExtensionPart: after the last ".", the whole text without one (so a file
//                  called "mp3" is its own extension).
std::string FileNamePart(std::string_view path);
std::string ExtensionPart(std::string_view name);

// folder + separator + name, without doubling a separator the folder ends in.
std::string JoinPath(std::string_view folder, std::string_view name);
