#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>

QPoint PlaceOnScreens(QPoint stored, QSize size, const QList<QRect>& screens, QPoint fallback) {
  // A window of no size still counts where its corner is.
  const QRect window(stored, size.expandedTo(QSize(1, 1)));
  for (const QRect& screen : screens) {
    if (screen.intersects(window)) return stored;
  }
  return fallback;
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}
