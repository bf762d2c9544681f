#pragma once

#include <string>
#include <string_view>
#include <vector>

// The data files keep one text per line, so a text that holds a line break
// (LF, or a CR, which the reader drops before an LF) would split into two
// lines and shift every later one. These helpers keep such texts out.

// True when text holds an LF or a CR.
bool HasLineBreak(std::string_view text);

// The text with each line break (CR LF, a lone CR or a lone LF) turned into
// one space: what a single-line field stores of a pasted paragraph.
std::string LineBreaksToSpaces(std::string_view text);

// The message that tells the user which files were left out because their
// paths hold a line break that dataFile could not keep; the breaks are shown
// as "\n" and "\r". Lists the first few paths and counts the rest. Empty when
// no path was left out.
std::string LeftOutMessage(std::string_view dataFile, const std::vector<std::string>& paths);
