#include "window_support.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "file_tag_module.h"
#include "message_box.h"
#include "screen_text.h"

PlatformHooks QtPlatformHooks(std::function<QWidget*()> messageParent) {
  PlatformHooks hooks;
  hooks.PumpMessages = [] { QCoreApplication::processEvents(); };
  hooks.ShowMessage = [messageParent](const std::string& text) {
    ShowMessageBox(messageParent(), QString::fromStdString(text));
  };
  hooks.SetWaitCursor = [](bool on) {
    if (on) {
      QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
      QGuiApplication::restoreOverrideCursor();
    }
  };
  hooks.ReadFileTags = ReadFileTagsFromModule;
  return hooks;
}

std::vector<std::string> DroppedPaths(const QMimeData& data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) paths.push_back(PathBytes(url.toLocalFile()));
  }
  return paths;
}

QPoint PlaceOnSomeScreen(const QRect& stored, QPoint fallback) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(stored)) return stored.topLeft();
  }
  return fallback;
}
