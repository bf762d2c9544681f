#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window opens: at its stored top-left corner when any part of it
// would be on one of the screens, otherwise at the fallback. A monitor that
// was removed must not take a window with it, least of all the main window,
// which only its own Exit button closes.
QPoint PlaceOnScreens(QPoint stored, QSize size, const QList<QRect>& screens, QPoint fallback = QPoint(10, 10));

// The available area of every screen the desktop has now.
QList<QRect> AvailableScreenAreas();
