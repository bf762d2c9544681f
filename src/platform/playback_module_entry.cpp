// The one entry of the playback module: makes the real playback window.
#include <QtGlobal>

#include "qt_mci_window.h"

extern "C" Q_DECL_EXPORT MciWindow* velmora_create_playback_window(QWidget* owner, int x, int y) {
  return new QtMciWindow(owner, x, y);
}
