// Shows one of the settings windows for a look under a display:
//   settings_windows_preview colors|tags
#include <QApplication>
#include <QComboBox>
#include <QDialog>

#include "color_dlg.h"
#include "color_element_host.h"
#include "color_window.h"
#include "tag_display_editor.h"
#include "tag_display_window.h"

namespace {

// A main window with nothing to recolour: every element unlit.
class NoColorHost : public ColorElementHost {
 public:
  int GetElementState(int) const override { return 0; }
  void SetElementState(int, int) override {}
  void ApplyColor(int) override {}
  void SetColorDlgOpen(bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Velmora"));
  const QString which = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("colors");
  NoColorHost host;
  CColorDlg colorDlg;
  std::array<int, 7> flags{0, 1, 0, 0, 1, 0, 0};
  CTagDisplayEditor tagEditor([&flags](int n) { return flags[static_cast<std::size_t>(n)]; },
                              [&flags](int n, int v) { flags[static_cast<std::size_t>(n)] = v; });
  QDialog* window = nullptr;
  if (which == QLatin1String("tags")) {
    tagEditor.SetWindowPos(QPoint(40, 40));
    tagEditor.Open();
    window = tagEditor.Window();
  } else {
    colorDlg.SetWindowPos(QPoint(40, 40));
    colorDlg.Open(host);
    colorDlg.Window()->ElementList().setCurrentIndex(3);
    window = colorDlg.Window();
  }
  QObject::connect(window, &QDialog::finished, &app, &QApplication::quit);
  return app.exec();
}
