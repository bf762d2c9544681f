#pragma once

#include <QDialog>

// The About box: the program icon, the name and version, and OK.
class CTagEditorAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTagEditorAboutDlg(QWidget* parent = nullptr);
};
