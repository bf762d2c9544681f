#pragma once

#include <QFont>
#include <QList>
#include <QString>

// A text that must fit a width in pixels, such as a label in a fixed layout.
struct TextInWidth {
  QString text;
  int width;
};

// The largest size of `base`, from maxPoints down to minPoints in half
// points, at which every text fits its width; minPoints when none does.
// Fixed layouts stay readable with whatever font family the desktop offers.
QFont FitFontToWidths(QFont base, const QList<TextInWidth>& texts, double maxPoints,
                      double minPoints);
