#include "command_line.h"

#include <algorithm>
#include <array>
#include <utility>

#include "four_cc.h"

namespace {

struct TagName {
  const char* name;
  std::uint32_t id;
};

// The six tags the editor knows, by the names the command line uses.
constexpr std::array<TagName, 6> kTagNames = {{{"INAM", fourcc::kINAM},
                                               {"IART", fourcc::kIART},
                                               {"IGNR", fourcc::kIGNR},
                                               {"ICRD", fourcc::kICRD},
                                               {"ISRC", fourcc::kISRC},
                                               {"ICMT", fourcc::kICMT}}};

CommandLine Invalid(std::string error) {
  CommandLine line;
  line.mode = CommandLine::Mode::Invalid;
  line.error = std::move(error);
  return line;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg.front() == '-'; }

// Takes the one FILE that ends the arguments, at `next`; "--" before it
// lets a file name begin with a dash.
bool TakeFile(const std::vector<std::string>& args, std::size_t next, CommandLine& line) {
  if (next < args.size() && args.at(next) == "--") ++next;
  if (next + 1 != args.size()) return false;
  line.file = args.at(next);
  return !line.file.empty();
}

CommandLine ParseInfo(const std::vector<std::string>& args) {
  CommandLine line;
  line.mode = CommandLine::Mode::Info;
  if (!TakeFile(args, 1, line)) return Invalid("--info needs exactly one FILE");
  if (IsOption(line.file) && args.at(1) != "--") return Invalid("unknown option " + line.file);
  return line;
}

CommandLine ParseSet(const std::vector<std::string>& args) {
  CommandLine line;
  line.mode = CommandLine::Mode::Set;
  std::size_t next = 0;
  while (next < args.size() && args.at(next) == "--set") {
    if (next + 1 >= args.size()) return Invalid("--set needs ID=TEXT");
    const std::string& assignment = args.at(next + 1);
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) return Invalid("--set needs ID=TEXT, not '" + assignment + "'");
    const std::string name = assignment.substr(0, equals);
    const auto known = std::find_if(kTagNames.begin(), kTagNames.end(),
                                    [&](const TagName& tag) { return name == tag.name; });
    if (known == kTagNames.end()) {
      return Invalid("unknown tag ID '" + name + "' (use INAM, IART, IGNR, ICRD, ISRC or ICMT)");
    }
    line.assignments.push_back({known->id, assignment.substr(equals + 1)});
    next += 2;
  }
  if (next < args.size() && IsOption(args.at(next)) && args.at(next) != "--") {
    return Invalid("unknown option " + args.at(next));
  }
  if (!TakeFile(args, next, line)) return Invalid("--set needs exactly one FILE after the tags");
  return line;
}

CommandLine ParseWindow(const std::vector<std::string>& args) {
  CommandLine line;
  if (args.empty()) return line;
  if (IsOption(args.front()) && args.front() != "--") {
    return Invalid("unknown option " + args.front());
  }
  if (!TakeFile(args, 0, line)) return Invalid("give at most one FILE to open");
  return line;
}

}  // namespace

bool IsHeadlessCommand(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args.front();
  return first == "--help" || first == "-h" || first == "--info" || first == "--set";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return CommandLine{};
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    CommandLine line;
    line.mode = CommandLine::Mode::Help;
    return line;
  }
  if (first == "--info") return ParseInfo(args);
  if (first == "--set") return ParseSet(args);
  return ParseWindow(args);
}

std::string UsageText() {
  return "Usage: kestrune [FILE]\n"
         "       kestrune --info FILE\n"
         "       kestrune --set ID=TEXT [--set ID=TEXT ...] FILE\n"
         "\n"
         "Without --info or --set, opens the tag editor window, showing FILE if given.\n"
         "  --info FILE    print the header summary and the six tags of a WAVE file\n"
         "  --set ID=TEXT  store TEXT (UTF-8) as tag ID; an empty TEXT removes the tag.\n"
         "                 ID is INAM (name), IART (artist), IGNR (genre), ICRD (created),\n"
         "                 ISRC (source) or ICMT (comment). Other tags are kept.\n"
         "  --help         print this text\n";
}
