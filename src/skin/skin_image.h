#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include "pixel_buffer.h"

// The skin bitmaps are compiled in, uncompressed, as ":/skin/<number>.bmp";
// the program icon, which has an alpha channel, as ":/skin/<number>.png".
QString SkinBitmapPath(int id);

// Loads a skin bitmap; an empty buffer when there is none with that number.
// A one-bit bitmap is read with its 0 bits as black and its 1 bits as white.
PixelBuffer LoadSkinBitmap(int id);
// The same bitmap as an image for painting.
QImage LoadSkinImage(int id);
// The program icon.
QIcon SkinIcon();

PixelBuffer PixelBufferFromImage(const QImage& image);
QImage ImageFromPixelBuffer(const PixelBuffer& buffer);
