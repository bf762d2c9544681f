#include "dialog_units.h"

namespace dialog_units {

int ToPixelsX(int du) { return (du * kBaseWidth + 2) / 4; }

int ToPixelsY(int du) { return (du * kBaseHeight + 4) / 8; }

QRect ToPixels(int x, int y, int width, int height) {
  const int left = ToPixelsX(x);
  const int top = ToPixelsY(y);
  return QRect(left, top, ToPixelsX(x + width) - left, ToPixelsY(y + height) - top);
}

QSize ToPixels(QSize du) { return QSize(ToPixelsX(du.width()), ToPixelsY(du.height())); }

}  // namespace dialog_units
