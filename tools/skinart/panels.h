#pragma once

#include <QImage>

// The larger pictures: the window backgrounds (unrolled and rolled up), the
// caption bars, the backgrounds of the two displays, the slider track, its
// thumb and the thumb's mask. A null picture for any other number.
QImage DrawPanel(int id);
