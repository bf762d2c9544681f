#include "playback_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "message_box.h"
#include "unavailable_mci_window.h"

namespace {

using CreateFunction = MciWindow* (*)(QWidget*, int, int);

// Loads the module from folder; nullptr and the loader's reason when it is
// not there or not usable.
CreateFunction LoadFrom(const QString& folder, QString* reason) {
  // Never unloaded: the window's code stays in use until the program ends.
  QLibrary module(QDir(folder).filePath(QString::fromLatin1(kPlaybackModuleName)));
  auto create = reinterpret_cast<CreateFunction>(module.resolve(kPlaybackModuleEntry));
  if (create == nullptr) {
    *reason = module.errorString();
  }
  return create;
}

}  // namespace

QStringList PlaybackModuleFolders() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  return {programFolder.path(), QDir::cleanPath(programFolder.filePath(QStringLiteral(VELMORA_MODULE_INSTALL_DIR))),
          QStringLiteral(VELMORA_MODULE_BUILD_DIR)};
}

std::unique_ptr<MciWindow> CreatePlaybackWindowFrom(const QStringList& folders, QWidget* owner, int x, int y) {
  QString reason = QStringLiteral("No folder to look in.");
  for (const QString& folder : folders) {
    if (CreateFunction create = LoadFrom(folder, &reason)) {
      return std::unique_ptr<MciWindow>(create(owner, x, y));
    }
  }
  ShowMessageBox(owner, QStringLiteral("Cannot load the playback module \"%1\", so nothing can be played.\n%2")
                            .arg(QString::fromLatin1(kPlaybackModuleName), reason));
  return std::make_unique<UnavailableMciWindow>(x, y);
}

std::unique_ptr<MciWindow> CreatePlaybackWindow(QWidget* owner, int x, int y) {
  return CreatePlaybackWindowFrom(PlaybackModuleFolders(), owner, x, y);
}
