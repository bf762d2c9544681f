// Shows the main window for a look at it under a display:
//   main_window_preview [--rolled]
#include <QApplication>
#include <QTimer>

#include "main_dlg.h"
#include "status_display.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  CMainDlg window;
  window.SetMainPosition({40, 40});
  // A medium of 4:05, so a dragged thumb shows its time.
  window.SetSliderScale(245000);
  window.show();
  window.StatusDisplay()->SetLength(245);
  window.StatusDisplay()->SetTime(83);
  window.SetElementState(21, 1);
  window.SetElementState(23, 1);
  if (application.arguments().contains(QStringLiteral("--rolled"))) {
    QTimer::singleShot(0, &window, [&window] { window.ToggleRollUp(); });
  }
  return application.exec();
}
