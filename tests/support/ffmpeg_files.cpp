#include "ffmpeg_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string CommandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  char buffer[4096];
  for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, got);
  return output;
}

bool HaveFfmpeg() { return std::system("command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null") == 0; }

bool WriteTaggedFile(const std::string& path, const TagTexts& tags, const std::string& options) {
  std::string command = "ffmpeg -v error -y -f lavfi -i sine=d=0.2 " + options;
  for (const auto& [name, text] : tags) command += " -metadata " + ShellQuoted(name + "=" + text);
  return std::system((command + " " + ShellQuoted(path)).c_str()) == 0;
}

TagTexts ProbeTags(const std::string& path) {
  const std::string command =
      "ffprobe -v error -select_streams a -show_entries format_tags:stream_tags -of default=nw=1 " + ShellQuoted(path);
  std::istringstream lines(CommandOutput(command));
  TagTexts tags;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (line.rfind("TAG:", 0) != 0 || equals == std::string::npos) continue;
    std::string name = line.substr(4, equals - 4);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    tags.emplace(name, line.substr(equals + 1));
  }
  return tags;
}
