#pragma once

// What an offscreen widget shows, as a pixel buffer.
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
