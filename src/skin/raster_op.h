#pragma once

#include "pixel_buffer.h"

// The four raster operations the skin draws with, applied per pixel and per
// colour channel, bitwise.
enum class RasterOp {
  SRCCOPY,    // destination := source
  SRCAND,     // destination := destination AND source
  SRCPAINT,   // destination := destination OR source
  DSTINVERT,  // destination := NOT destination (the source is not read)
};

// Combines the width x height block of source at (srcX, srcY) into
// destination at (x, y). The block is clipped to the destination and, for the
// operations that read it, to the source; pixels outside stay untouched.
void BitBlt(PixelBuffer& destination, int x, int y, int width, int height, const PixelBuffer& source, int srcX,
            int srcY, RasterOp op);

// DSTINVERT on a block of the destination.
void InvertBlock(PixelBuffer& destination, int x, int y, int width, int height);

// The block of source at (0, 0) with the given size; whatever lies beyond the
// source reads as black (no shape there).
PixelBuffer CopyBlock(const PixelBuffer& source, int width, int height);
