#include "tag_editor_app.h"

#include <iostream>

#include <QFile>

#include "command_line.h"
#include "headless.h"
#include "kestrune_icon.h"
#include "tag_editor_dlg.h"

CTagEditorApp::CTagEditorApp(int& argc, char** argv) : QApplication(argc, argv) {
  // The name doubles as the caption of every message box.
  setApplicationName(QStringLiteral("Kestrune"));
  setApplicationVersion(QStringLiteral("1.9.0.1"));
  setWindowIcon(KestruneIcon());
}

int CTagEditorApp::Run(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(args);
  if (line.mode != CommandLine::Mode::Window) return RunHeadless(line, std::cout, std::cerr);

  CTagEditorDlg dialog;
  dialog.show();
  if (!line.file.empty()) dialog.OpenWaveFile(QFile::decodeName(QByteArray::fromStdString(line.file)));
  dialog.exec();
  return 0;
}
