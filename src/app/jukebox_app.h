#pragma once

#include <QStringList>

class CFontWarmUp;
class QApplication;

// The jukebox program: one main window, run until its Exit button or the end
// of the session. Run returns the program's exit status.
class CJukeboxApp {
 public:
  int Run(int argc, char** argv);
  // The program's name, maker (where its settings live) and quit policy;
  // also used by the benchmarks that start the main window as the program does.
  static void SetUpApplication();

 private:
  static void ChooseDisplayPlatform();
  // Runs the folder's jukebox with the files named on the command line, or
  // hands them to the one that runs already.
  static int RunMainWindow(QApplication& application, CFontWarmUp& fonts, const QStringList& named);
};
