#include "tint.h"

#include "raster_op.h"

namespace {

// A scratch bitmap of the colour, kept only where the mask is white.
PixelBuffer ColourOnShape(ColorTriple colour, const PixelBuffer& mask, int width, int height) {
  PixelBuffer scratch(width, height, colour);
  BitBlt(scratch, 0, 0, width, height, mask, 0, 0, RasterOp::SRCAND);
  return scratch;
}

}  // namespace

void TintMasked(PixelBuffer& tile, const PixelBuffer& mask, ColorTriple colour, PixelBuffer& target, int x, int y) {
  TintMasked(tile, mask, colour, target, x, y, tile.Width(), tile.Height());
}

void TintMasked(PixelBuffer& tile, const PixelBuffer& mask, ColorTriple colour, PixelBuffer& target, int x, int y,
                int width, int height) {
  const PixelBuffer shape = CopyBlock(mask, width, height);
  const PixelBuffer scratch = ColourOnShape(colour, shape, width, height);

  PixelBuffer inverted = shape;
  InvertBlock(inverted, 0, 0, width, height);
  BitBlt(tile, 0, 0, width, height, inverted, 0, 0, RasterOp::SRCAND);

  BitBlt(target, x, y, width, height, tile, 0, 0, RasterOp::SRCCOPY);
  BitBlt(target, x, y, width, height, scratch, 0, 0, RasterOp::SRCPAINT);
}

void TintSegments(PixelBuffer& tile, const SegmentMasks& masks, ColorTriple litColour, ColorTriple unlitColour,
                  PixelBuffer& target, int x, int y) {
  const int width = tile.Width();
  const int height = tile.Height();
  const PixelBuffer litScratch = ColourOnShape(litColour, CopyBlock(masks.lit, width, height), width, height);
  const PixelBuffer unlitScratch = ColourOnShape(unlitColour, CopyBlock(masks.unlit, width, height), width, height);

  BitBlt(tile, 0, 0, width, height, masks.holes, 0, 0, RasterOp::SRCAND);

  BitBlt(target, x, y, width, height, tile, 0, 0, RasterOp::SRCCOPY);
  BitBlt(target, x, y, width, height, litScratch, 0, 0, RasterOp::SRCPAINT);
  BitBlt(target, x, y, width, height, unlitScratch, 0, 0, RasterOp::SRCPAINT);
}
