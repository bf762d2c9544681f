#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <vector>

#include "jukebox_command_line.h"

namespace {

using Request = JukeboxCommandLine::Request;

struct ParseCase {
  const char* name;
  QStringList arguments;  // after the program's name
  Request request;
  QStringList files;  // relative to the current folder unless absolute
  QString unknownOption;
};

QString Absolute(const QString& path) { return QDir::current().absoluteFilePath(path); }

class JukeboxCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(JukeboxCommandLineTest, ParsesRequestFilesAndUnknownOption) {
  const ParseCase& c = GetParam();
  const JukeboxCommandLine line = ParseJukeboxCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
  QStringList expected;
  for (const QString& file : c.files) expected.append(QDir::isAbsolutePath(file) ? file : Absolute(file));
  EXPECT_EQ(std::tie(line.request, line.files, line.unknownOption), std::tie(c.request, expected, c.unknownOption));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, JukeboxCommandLineTest,
    ::testing::Values(
        ParseCase{"FilesMadeAbsolute", {"a.wav", "/m/b.flac", "sub/../c.wav", "-"}, Request::Run,
                  {"a.wav", "/m/b.flac", "c.wav", "-"}, {}},
        ParseCase{"EmptyArgumentIsNoFile", {""}, Request::Run, {}, {}},
        ParseCase{"Help", {"a.wav", "--help"}, Request::Help, {"a.wav"}, {}},
        ParseCase{"FirstOfHelpAndVersionWins", {"--version", "--help"}, Request::Version, {}, {}},
        // So the arguments with Qt's options still among them tell it.
        ParseCase{"HelpWinsOverUnknown", {"-style", "fusion", "--help"}, Request::Help, {"fusion"}, "-style"},
        ParseCase{"DashesEndOptions", {"--", "-x.wav", "--help", "--"}, Request::Run, {"-x.wav", "--help", "--"}, {}},
        ParseCase{"HelpAfterDashesIsAFile", {"-x", "--", "--version"}, Request::UnknownOption, {"--version"}, "-x"}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

// Qt takes its options, wherever they stand; the jukebox shows it only those
// before "--", so a file after it may bear the name of one of Qt's options.
TEST(JukeboxArgumentsTest, QtTakesItsOptionsBeforeDashesOnly) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Offscreen, Qt's own choice of style is fusion.
  std::vector<const char*> given = {"velmora", "a.wav", "-style", "windows", "-reverse",
                                    "--", "-reverse", "-style", "fusion"};
  std::vector<char*> argv;
  for (const char* argument : given) argv.push_back(const_cast<char*>(argument));
  const int argc = static_cast<int>(argv.size());
  const int optionsEnd = OptionsEnd(argc, argv.data());
  EXPECT_EQ(optionsEnd, 5);
  int qtArgumentCount = optionsEnd;
  QApplication application(qtArgumentCount, argv.data());
  EXPECT_EQ(std::tuple(QApplication::style()->name(), QApplication::isRightToLeft()), std::tuple(QStringLiteral("windows"), true));

  const JukeboxCommandLine line =
      ParseJukeboxCommandLine(JukeboxArguments(QCoreApplication::arguments(), argc, argv.data(), optionsEnd));
  EXPECT_EQ(std::tie(line.request, line.files),
            std::tuple(Request::Run, QStringList{Absolute("a.wav"), Absolute("-reverse"), Absolute("-style"), Absolute("fusion")}));
}

}  // namespace
