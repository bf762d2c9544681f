#include "pixel_buffer.h"

#include <algorithm>

namespace {

int NonNegative(int n) { return std::max(n, 0); }

}  // namespace

PixelBuffer::PixelBuffer(int width, int height, ColorTriple fill)
    : m_nWidth(NonNegative(width)), m_nHeight(NonNegative(height)) {
  m_bytes.resize(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight) * 3);
  for (std::size_t i = 0; i < m_bytes.size(); i += 3) {
    m_bytes[i] = fill.red;
    m_bytes[i + 1] = fill.green;
    m_bytes[i + 2] = fill.blue;
  }
}

std::size_t PixelBuffer::Offset(int x, int y) const {
  return (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)) * 3;
}

ColorTriple PixelBuffer::Pixel(int x, int y) const {
  const std::size_t at = Offset(x, y);
  return ColorTriple{m_bytes[at], m_bytes[at + 1], m_bytes[at + 2]};
}

void PixelBuffer::SetPixel(int x, int y, ColorTriple colour) {
  const std::size_t at = Offset(x, y);
  m_bytes[at] = colour.red;
  m_bytes[at + 1] = colour.green;
  m_bytes[at + 2] = colour.blue;
}
