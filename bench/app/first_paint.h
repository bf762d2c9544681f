#pragma once

#include <QObject>
#include <QWidget>

// How long an idle program runs before its peak memory is read.
inline constexpr int kIdleMs = 2000;

// Prints "painted" on the standard output and ends the program at once when
// widget is first painted; the parent measures the time to that line.
void ReportFirstPaint(QWidget* widget);
