#pragma once

#include <iosfwd>

#include "command_line.h"

// Runs a command that needs no window (--help, --info, --set) with the tags
// library alone. Output goes to `out`, every complaint to `err`. Returns the
// program's exit status: 0 done, 1 the file could not be read or written,
// 2 the command line was wrong.
int RunHeadless(const CommandLine& line, std::ostream& out, std::ostream& err);
