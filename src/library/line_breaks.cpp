#include "line_breaks.h"

namespace {

// A message box taller than the screen helps nobody; the count says the rest.
constexpr std::size_t kListedPaths = 10;

std::string VisibleBreaks(std::string_view path) {
  std::string shown;
  for (const char c : path) {
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::string LineBreaksToSpaces(std::string_view text) {
  std::string single;
  single.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // the LF stands for both
    single += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return single;
}

std::string LeftOutMessage(std::string_view dataFile, const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  std::string text = "These files were not added: their names hold a line break, which ";
  text += dataFile;
  text += " cannot keep.";
  for (std::size_t i = 0; i < paths.size() && i < kListedPaths; ++i) text += "\n" + VisibleBreaks(paths[i]);
  if (paths.size() > kListedPaths) text += "\n... and " + std::to_string(paths.size() - kListedPaths) + " more";
  return text;
}
