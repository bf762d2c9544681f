#pragma once

#include <QImage>
#include <QString>

// Saves a picture as a PNG of the given colour depth: 1 (black and white,
// anything lighter than mid-grey is white), 4 (16 colours), 8 (256 colours) or
// 32 (true colour with alpha). Returns false when the file cannot be written.
bool SaveWithDepth(const QImage& picture, int depth, const QString& path);

// The picture reduced to at most maxColours colours, as an indexed image.
QImage ReduceColours(const QImage& picture, int maxColours);
