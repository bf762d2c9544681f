#include "headless.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "editor_test_files.h"
#include "temp_dir.h"

namespace {

class HeadlessTest : public ::testing::Test {
 protected:
  int Run(const std::vector<std::string>& args) {
    m_out.str({});
    m_err.str({});
    return RunHeadless(ParseCommandLine(args), m_out, m_err);
  }

  TempDir m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(HeadlessTest, SetThenInfoRoundTripKeepsTheOtherTags) {
  const std::string path = m_dir.Write(
      "song.wav", CanonicalWave(SampleBytes(400), {{"IGNR", "Jazz"}, {"ISFT", "Tool"}, {"ICMT", "old"}}));
  ASSERT_EQ(Run({"--set", "INAM=Über Blue", "--set", "IART=Ann", "--set", "ICMT=", "--set", "ISRC=a=b", path}), 0)
      << m_err.str();
  EXPECT_EQ(std::tuple(ReadTag(path, "INAM"), ReadTag(path, "ISFT")), std::tuple("\xDC" "ber Blue", "Tool"));  // Latin-1 when it fits
  // An empty text removes the sub-chunk; it does not leave an empty one.
  EXPECT_EQ(ToText(ReadFileBytes(path)).find("ICMT"), std::string::npos);

  ASSERT_EQ(Run({"--info", path}), 0) << m_err.str();
  EXPECT_TRUE(m_out.str().ends_with("Artist:       Ann\nName:         Über Blue\nGenre:        Jazz\nCreated:\n"
                                    "Source:       a=b\nComment:\n")) << m_out.str();
}

// "@name" in args is a file in the test folder.
struct Failure { std::vector<std::string> args; int status; std::string message; };
void PrintTo(const Failure& failure, std::ostream* os) { *os << ::testing::PrintToString(failure.args); }

class HeadlessFailureTest : public HeadlessTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(HeadlessFailureTest, SaysWhyAndLeavesTheFilesAlone) {
  const std::string good = m_dir.Write("good.wav", CanonicalWave(SampleBytes(400), {{"INAM", "A"}}));
  const std::string late = m_dir.Write("late.wav", TrailedWave());
  m_dir.Write("text.wav", std::string("plain text, not a RIFF file"));
  ASSERT_EQ(mkfifo(m_dir.File("pipe.wav").c_str(), 0600), 0);
  const auto files = [&] { return std::tuple(ReadFileBytes(good), ReadFileBytes(late)); };
  const auto before = files();
  std::vector<std::string> args = GetParam().args;
  for (std::string& arg : args) arg = arg.front() == '@' ? m_dir.File(arg.substr(1)) : arg;
  alarm(10);  // opening the pipe would wait for a writer: the alarm ends the test program
  EXPECT_EQ(Run(args), GetParam().status);
  alarm(0);
  EXPECT_TRUE(m_err.str().find(GetParam().message) != std::string::npos && files() == before) << m_err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeadlessFailureTest,
    ::testing::Values(Failure{{"--set", "ISFT=a", "@good.wav"}, 2, "unknown tag ID 'ISFT'"},
                      Failure{{"--set", "INAM=\xFF", "@good.wav"}, 2, "not valid UTF-8"},
                      Failure{{"--info", "@missing.wav"}, 1, "no such file"},
                      Failure{{"--set", "INAM=a", "@good.txt"}, 1, "must end in wav"},
                      Failure{{"--info", "@text.wav"}, 1, "is not a RIFF WAVE file"},
                      Failure{{"--info", "@pipe.wav"}, 1, "pipe.wav: it is not a regular file"},
                      Failure{{"--set", "INAM=a", "@pipe.wav"}, 1, "pipe.wav: it is not a regular file"},
                      Failure{{"--set", "INAM=a", "@late.wav"}, 1, "bytes after the end of its RIFF chunk"}));

}  // namespace
