#pragma once

// What an offscreen widget shows, as a pixel buffer.
#include <QPoint>
#include <QWidget>

#include "pixel_buffer.h"
#include "skin_image.h"

inline PixelBuffer Grab(QWidget& widget) { return PixelBufferFromImage(widget.grab().toImage()); }

// The block of a buffer at (x, y).
inline PixelBuffer Crop(const PixelBuffer& buffer, int x, int y, int width, int height) {
  PixelBuffer block(width, height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      block.SetPixel(column, row, buffer.Pixel(x + column, y + row));
    }
  }
  return block;
}

// The first pixel, row by row, that `accepts` takes; (-1, -1) when there is none.
template <typename Accepts>
QPoint FindPixel(const PixelBuffer& buffer, Accepts accepts) {
  for (int y = 0; y < buffer.Height(); ++y) {
    for (int x = 0; x < buffer.Width(); ++x) {
      if (accepts(buffer.Pixel(x, y), x, y)) return QPoint(x, y);
    }
  }
  return QPoint(-1, -1);
}
