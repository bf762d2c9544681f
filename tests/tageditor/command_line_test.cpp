#include "command_line.h"

#include <gtest/gtest.h>

#include "four_cc.h"

namespace {

using Mode = CommandLine::Mode;

struct Case {
  std::vector<std::string> args;
  Mode mode;
  std::string fileOrError;  // the file, or a piece of the error message
};
void PrintTo(const Case& c, std::ostream* os) {
  for (const std::string& arg : c.args) *os << arg << ' ';
}

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
                      Case{{"--set", "ISFT=x", "a.wav"}, Mode::Invalid, "unknown tag ID 'ISFT'"},
                      Case{{"--set", "INAM=x", "--info", "a.wav"}, Mode::Invalid, "--info"}));

TEST(CommandLineSetTest, KeepsEveryAssignmentWithTheTextAfterTheFirstEquals) {
  const CommandLine line = ParseCommandLine({"--set", "IART=a=b", "--set", "ICMT=", "f.wav"});
  ASSERT_EQ(line.mode, Mode::Set);
  ASSERT_EQ(line.assignments.size(), 2u);
  EXPECT_EQ(line.assignments[0].id, fourcc::kIART);
  EXPECT_EQ(line.assignments[0].text, "a=b");
  EXPECT_EQ(line.assignments[1].id, fourcc::kICMT);
  EXPECT_EQ(line.assignments[1].text, "");
  EXPECT_FALSE(IsHeadlessCommand({"-platform", "offscreen", "--info", "a.wav"}));
}

}  // namespace
