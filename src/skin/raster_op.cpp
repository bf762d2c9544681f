#include "raster_op.h"

#include <algorithm>
#include <cstddef>

namespace {

// Applies the operation to `count` bytes, front to back, as the pixels are
// visited when a buffer is copied onto itself.
void CombineBytes(std::uint8_t* destination, const std::uint8_t* source, std::size_t count, RasterOp op) {
  switch (op) {
    case RasterOp::SRCCOPY:
      for (std::size_t i = 0; i < count; ++i) destination[i] = source[i];
      return;
    case RasterOp::SRCAND:
      for (std::size_t i = 0; i < count; ++i) destination[i] &= source[i];
      return;
    case RasterOp::SRCPAINT:
      for (std::size_t i = 0; i < count; ++i) destination[i] |= source[i];
      return;
    case RasterOp::DSTINVERT:
      for (std::size_t i = 0; i < count; ++i) destination[i] = static_cast<std::uint8_t>(~destination[i]);
      return;
  }
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
  const std::size_t rowBytes = static_cast<std::size_t>(columns.length) * 3;
  for (int row = 0; row < rows.length; ++row) {
    std::uint8_t* to = destination.Row(rows.start + row) + static_cast<std::size_t>(columns.start) * 3;
    const std::uint8_t* from =
        readsSource ? source.Row(rows.sourceStart + row) + static_cast<std::size_t>(columns.sourceStart) * 3 : to;
    CombineBytes(to, from, rowBytes, op);
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
