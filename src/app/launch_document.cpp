#include "launch_document.h"

#include <QDesktopServices>
#include <utility>

namespace {

DocumentLauncher& Launcher() {
  static DocumentLauncher launcher;
  return launcher;
}

}  // namespace

void LaunchDocument(const QUrl& target) {
  if (Launcher()) {
    Launcher()(target);
    return;
  }
  // The result only says whether a handler was found; there is nothing the
  // user could do about a missing one.
  static_cast<void>(QDesktopServices::openUrl(target));
}

DocumentLauncher SetDocumentLauncher(DocumentLauncher launcher) {
  return std::exchange(Launcher(), std::move(launcher));
}
