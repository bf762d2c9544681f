#pragma once

// Pixel pictures ("#..#") as the engine's pixel buffers and back.
#include <string>
#include <vector>

#include "pixel_buffer.h"
#include "pixel_picture.h"

inline PixelBuffer BufferFromPicture(std::initializer_list<std::string_view> rows,
                                     const pixel_picture::Legend& legend = {}) {
  const pixel_picture::Picture picture = pixel_picture::Parse(rows, legend);
  PixelBuffer buffer(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const pixel_picture::Rgb rgb = picture.At(x, y);
      buffer.SetPixel(x, y, ColorTriple{rgb[0], rgb[1], rgb[2]});
    }
  }
  return buffer;
}

inline std::vector<std::string> PictureOf(const PixelBuffer& buffer, const pixel_picture::Legend& legend = {}) {
  pixel_picture::Picture picture{buffer.Width(), buffer.Height(), buffer.Bytes()};
  return pixel_picture::Render(picture, legend);
}

using Rows = std::vector<std::string>;
