#include "skin_tip.h"

#include <QWidget>

void SetSkinTipText(QWidget* control, const QString& text) {
  control->setToolTip(text);
  control->setAccessibleName(text);
}
