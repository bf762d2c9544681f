// Kestrune, the WAVE tag editor. Commands that need no window are told apart
// before Qt starts, so they run where no display is.

#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "headless.h"
#include "tag_editor_app.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (IsHeadlessCommand(args)) return RunHeadless(ParseCommandLine(args), std::cout, std::cerr);
  CTagEditorApp app(argc, argv);
  // Qt has taken its own options out of argv.
  return app.Run(std::vector<std::string>(argv + 1, argv + argc));
}
