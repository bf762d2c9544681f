#include "fitted_font.h"

#include <QFontMetrics>

namespace {

bool AllFit(const QFont& font, const QList<TextInWidth>& texts) {
  const QFontMetrics metrics(font);
  for (const TextInWidth& item : texts) {
    if (metrics.horizontalAdvance(item.text) > item.width) return false;
  }
  return true;
}

}  // namespace

QFont FitFontToWidths(QFont base, const QList<TextInWidth>& texts, double maxPoints,
                      double minPoints) {
  for (double points = maxPoints; points > minPoints; points -= 0.5) {
    base.setPointSizeF(points);
    if (AllFit(base, texts)) return base;
  }
  base.setPointSizeF(minPoints);
  return base;
}
