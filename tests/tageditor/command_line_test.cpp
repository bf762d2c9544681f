#include "command_line.h"

#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

// The file, or a piece of the error message, is expected in fileOrError.
struct Case { std::vector<std::string> args; Mode mode; std::string fileOrError; };
void PrintTo(const Case& c, std::ostream* os) { *os << ::testing::PrintToString(c.args); }

class CommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTest, Parses) {
  const CommandLine line = ParseCommandLine(GetParam().args);
  EXPECT_EQ(line.mode, GetParam().mode);
  const std::string& seen = line.mode == Mode::Invalid ? line.error : line.file;
  EXPECT_NE(seen.find(GetParam().fileOrError), std::string::npos) << seen;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    ::testing::Values(Case{{"a.wav"}, Mode::Window, "a.wav"},
                      Case{{"--", "-x.wav"}, Mode::Window, "-x.wav"},
                      Case{{"a.wav", "b.wav"}, Mode::Invalid, "at most one FILE"},
                      Case{{"--bogus"}, Mode::Invalid, "unknown option --bogus"},
                      Case{{"--info", "a.wav"}, Mode::Info, "a.wav"},
                      Case{{"--info"}, Mode::Invalid, "exactly one FILE"},
                      Case{{"--set", "INAM", "a.wav"}, Mode::Invalid, "ID=TEXT"},
                      Case{{"--set", "INAM=x", "--info", "a.wav"}, Mode::Invalid, "--info"}));

// Only a command in first place runs before Qt starts; behind Qt's own
// options it waits until Qt has taken them out.
TEST(HeadlessCommandTest, IsToldApartBeforeQtStarts) {
  EXPECT_TRUE(IsHeadlessCommand({"--info", "a.wav"}) && !IsHeadlessCommand({"-platform", "offscreen", "--info", "a.wav"}));
}

}  // namespace
