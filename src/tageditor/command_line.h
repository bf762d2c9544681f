#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the user asked for on the command line:
//   kestrune [FILE]                          the window, FILE opened at start
//   kestrune --info FILE                     print the summary and the tags
//   kestrune --set ID=TEXT [--set ...] FILE  store tags, as the Save button does
//   kestrune --help
struct TagAssignment {
  std::uint32_t id;
  std::string text;  // UTF-8; empty removes the tag
};

struct CommandLine {
  enum class Mode { Window, Help, Info, Set, Invalid };
  Mode mode = Mode::Window;
  std::string file;  // may be empty for Window
  std::vector<TagAssignment> assignments;
  std::string error;  // why the arguments are Invalid
};

// True when the arguments (without the program name) ask for work without a
// window. Decided before Qt is started, so no display is needed for them.
bool IsHeadlessCommand(const std::vector<std::string>& args);

CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
