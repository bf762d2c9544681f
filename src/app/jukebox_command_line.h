#pragma once

#include <QString>
#include <QStringList>

// What a start of the jukebox asks for:
//   velmora [OPTION...] [FILE|FOLDER...]
// Besides its own options (--help, -h, --version and "--", after which every
// argument is a file), the program takes Qt's ("-style fusion", "-display :1").
// Qt takes those out of the arguments it is shown, wherever they stand, and
// would take "-reverse" even after "--"; so Qt is shown only the arguments
// before "--", and what follows is the jukebox's alone.
struct JukeboxCommandLine {
  enum class Request { Run, Help, Version, UnknownOption };
  Request request = Request::Run;
  // Absolute paths, in the order given; they need not exist.
  QStringList files;
  // The first option that is not the jukebox's, for UnknownOption.
  QString unknownOption;
};

// Parses arguments whose first is the program's name. --help and --version
// win over an unknown option, whichever comes first of the two, so the
// arguments as the program got them, Qt's options still among them, already
// tell whether help or the version is asked for; that needs no display.
JukeboxCommandLine ParseJukeboxCommandLine(const QStringList& arguments);

// The index in argv of the first "--", or argc: Qt is shown the arguments
// before it. QApplication lowers the count it is given as it takes its
// options out, so the index is kept apart from that count.
int OptionsEnd(int argc, const char* const* argv);

// The arguments Qt left of those before optionsEnd, followed by the rest of
// argv, which Qt never saw.
QStringList JukeboxArguments(const QStringList& leftByQt, int argc, const char* const* argv, int optionsEnd);

QString JukeboxUsageText();
QString JukeboxVersionText();
