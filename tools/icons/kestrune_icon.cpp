#include "kestrune_icon.h"

QIcon KestruneIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/kestrune/kestrune-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}
