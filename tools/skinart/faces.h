#pragma once

#include <QImage>

// Button faces, normal and pressed: the narrow and wide keys of the main
// rows, the caption buttons and the small buttons of the rolled-up window.
// A null picture for any other number.
QImage DrawFace(int id);
