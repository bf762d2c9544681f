#pragma once

#include <cstdint>
#include <vector>

#include "color_triple.h"

// A bitmap of 24-bit colour: rows top to bottom, three bytes (red, green,
// blue) per pixel. Tiles, masks, scratch bitmaps and the windows that the
// skin controls draw into are all pixel buffers.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height, ColorTriple fill = {});

  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  bool IsEmpty() const { return m_nWidth == 0 || m_nHeight == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }

  // x and y must lie inside the buffer.
  ColorTriple Pixel(int x, int y) const;
  void SetPixel(int x, int y, ColorTriple colour);

  const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
  // The Width() * 3 bytes of row y, which must lie inside the buffer.
  std::uint8_t* Row(int y) { return m_bytes.data() + Offset(0, y); }
  const std::uint8_t* Row(int y) const { return m_bytes.data() + Offset(0, y); }

  friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

 private:
  std::size_t Offset(int x, int y) const;

  int m_nWidth = 0;
  int m_nHeight = 0;
  std::vector<std::uint8_t> m_bytes;
};
