#pragma once

#include <QImage>

// The glyph mask of a button (white on the symbol) at the size of the
// button's face; a null picture for a number that is no glyph.
QImage DrawGlyph(int id);
