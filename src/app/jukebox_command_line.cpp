#include "jukebox_command_line.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kEndOfOptions = QStringLiteral("--");

// A lone "-" is a name, as it is to most programs.
bool IsOption(const QString& argument) { return argument.size() > 1 && argument.startsWith(QLatin1Char('-')); }

}  // namespace

JukeboxCommandLine ParseJukeboxCommandLine(const QStringList& arguments) {
  JukeboxCommandLine line;
  bool optionsEnded = false;
  bool answered = false;  // help or the version was asked for
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (!optionsEnded && argument == kEndOfOptions) {
      optionsEnded = true;
    } else if (!optionsEnded && IsOption(argument)) {
      if (answered) continue;
      if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        line.request = JukeboxCommandLine::Request::Help;
        answered = true;
      } else if (argument == QLatin1String("--version")) {
        line.request = JukeboxCommandLine::Request::Version;
        answered = true;
      } else if (line.unknownOption.isEmpty()) {
        line.unknownOption = argument;
      }
    } else if (!argument.isEmpty()) {
      // An empty argument would otherwise stand for the current folder.
      line.files.append(QFileInfo(argument).absoluteFilePath());
    }
  }
  if (!answered && !line.unknownOption.isEmpty()) line.request = JukeboxCommandLine::Request::UnknownOption;
  return line;
}

int OptionsEnd(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (QByteArrayView(argv[i]) == "--") return i;
  }
  return argc;
}

QStringList JukeboxArguments(const QStringList& leftByQt, int argc, const char* const* argv, int optionsEnd) {
  QStringList arguments = leftByQt;
  // Decoded as Qt decodes the arguments it keeps.
  for (int i = optionsEnd; i < argc; ++i) arguments.append(QFile::decodeName(argv[i]));
  return arguments;
}

QString JukeboxUsageText() {
  return QStringLiteral(
      "Usage: velmora [OPTION...] [FILE|FOLDER...]\n"
      "Runs the jukebox of the current folder, whose album is default.alb there, and\n"
      "adds the named files and folders to the album as a drop on its window does.\n"
      "When the folder's jukebox already runs, they are handed to it and this start ends.\n"
      "\n"
      "  -h, --help     print this text and exit\n"
      "      --version  print the version and exit\n"
      "      --         end of the options: what follows is a file, even if it\n"
      "                 begins with '-'\n"
      "Qt's options, such as -style NAME, -platform NAME or -display DISPLAY, work too.\n"
      "\n"
      "Exit status: 0 when the jukebox ran or took the files, 1 when this start could\n"
      "neither run the folder's jukebox nor hand it the files, 2 for an unknown option.\n");
}

QString JukeboxVersionText() { return QStringLiteral("velmora " VELMORA_VERSION "\n"); }
