#pragma once

#include <QRect>
#include <QSize>

// Windows are laid out in dialog units, the unit their templates were drawn
// in: a quarter of the average character width horizontally and an eighth of
// the character height vertically. We fix the base units at 6 x 13 pixels so
// every window has the same size on every screen, whatever font is in use.
namespace dialog_units {

inline constexpr int kBaseWidth = 6;
inline constexpr int kBaseHeight = 13;

// Pixels from dialog units, rounded to the nearest pixel.
int ToPixelsX(int du);
int ToPixelsY(int du);

// A rectangle given as x, y, width, height in dialog units. Edges are
// converted, not sizes, so neighbouring controls never overlap or gap.
QRect ToPixels(int x, int y, int width, int height);
QSize ToPixels(QSize du);

}  // namespace dialog_units
