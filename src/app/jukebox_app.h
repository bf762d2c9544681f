#pragma once

class CFontWarmUp;
class QApplication;

// The jukebox program: one main window, run until its Exit button or the end
// of the session. Run returns the program's exit status.
class CJukeboxApp {
 public:
  int Run(int argc, char** argv);

 private:
  static void ChooseDisplayPlatform();
  static int RunMainWindow(QApplication& application, CFontWarmUp& fonts);
};
