#include "raster_op.h"

#include <algorithm>

namespace {

std::uint8_t Combine(std::uint8_t destination, std::uint8_t source, RasterOp op) {
  switch (op) {
    case RasterOp::SRCCOPY:
      return source;
    case RasterOp::SRCAND:
      return destination & source;
    case RasterOp::SRCPAINT:
      return destination | source;
    case RasterOp::DSTINVERT:
      return static_cast<std::uint8_t>(~destination);
  }
  return destination;
}

ColorTriple Combine(ColorTriple destination, ColorTriple source, RasterOp op) {
  return ColorTriple{Combine(destination.red, source.red, op), Combine(destination.green, source.green, op),
                     Combine(destination.blue, source.blue, op)};
}

// One axis of the clipping: shrinks [start, start + length) so that it lies in
// [0, limit) of the destination and, shifted by sourceStart - start, in
// [0, sourceLimit) of the source.
struct Span {
  int start;
  int sourceStart;
  int length;
};

Span ClipAxis(int start, int sourceStart, int length, int limit, int sourceLimit) {
  const int skip = std::max({0, -start, -sourceStart});
  start += skip;
  sourceStart += skip;
  length -= skip;
  length = std::min({length, limit - start, sourceLimit - sourceStart});
  return Span{start, sourceStart, std::max(length, 0)};
}

}  // namespace

void BitBlt(PixelBuffer& destination, int x, int y, int width, int height, const PixelBuffer& source, int srcX,
            int srcY, RasterOp op) {
  const bool readsSource = op != RasterOp::DSTINVERT;
  const int sourceWidth = readsSource ? source.Width() : srcX + width;
  const int sourceHeight = readsSource ? source.Height() : srcY + height;
  const Span columns = ClipAxis(x, srcX, width, destination.Width(), sourceWidth);
  const Span rows = ClipAxis(y, srcY, height, destination.Height(), sourceHeight);
  for (int row = 0; row < rows.length; ++row) {
    for (int column = 0; column < columns.length; ++column) {
      const int dx = columns.start + column;
      const int dy = rows.start + row;
      const ColorTriple from =
          readsSource ? source.Pixel(columns.sourceStart + column, rows.sourceStart + row) : ColorTriple{};
      destination.SetPixel(dx, dy, Combine(destination.Pixel(dx, dy), from, op));
    }
  }
}

void InvertBlock(PixelBuffer& destination, int x, int y, int width, int height) {
  BitBlt(destination, x, y, width, height, destination, x, y, RasterOp::DSTINVERT);
}

PixelBuffer CopyBlock(const PixelBuffer& source, int width, int height) {
  PixelBuffer block(width, height);
  BitBlt(block, 0, 0, width, height, source, 0, 0, RasterOp::SRCCOPY);
  return block;
}
