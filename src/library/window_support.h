#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QPoint>
#include <QRect>

#include "platform_hooks.h"

class QMimeData;
class QWidget;

// What the two library windows share with the desktop.

// The hooks the stores call in the middle of long work: the event loop is
// run, messages are shown over messageParent(), the wait cursor is Qt's.
PlatformHooks QtPlatformHooks(std::function<QWidget*()> messageParent);

// The local files and folders of a drag, as the bytes the file system knows
// them by, in the order the desktop lists them.
std::vector<std::string> DroppedPaths(const QMimeData& data);

// Where a window goes: where it was, unless no screen would show any of it
// (a monitor was removed); then at the default place.
QPoint PlaceOnSomeScreen(const QRect& stored, QPoint fallback);
