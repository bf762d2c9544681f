#pragma once

#include <QImage>
#include <QString>

// Saves a picture at the given colour depth: as a bitmap file of 1 (black and
// white, anything lighter than mid-grey is white), 4 (16 colours) or 8 bits
// (256 colours), or as a PNG of 32 bits (true colour with alpha). Returns
// false when the file cannot be written.
bool SaveWithDepth(const QImage& picture, int depth, const QString& path);

// The picture reduced to at most maxColours colours, as an indexed image.
QImage ReduceColours(const QImage& picture, int maxColours);
