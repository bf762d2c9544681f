#pragma once

#include <string>
#include <vector>

#include <QApplication>

// The tag editor program: one window, run modally; the program ends with it.
class CTagEditorApp : public QApplication {
  Q_OBJECT

 public:
  CTagEditorApp(int& argc, char** argv);

  // Shows the window, opens the file named by `args` (the command line
  // without the program's name and the options Qt took), and returns the
  // exit status once the window is closed.
  int Run(const std::vector<std::string>& args);
};
