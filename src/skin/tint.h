#pragma once

#include "color_triple.h"
#include "pixel_buffer.h"

// Draws the tile into target at (x, y) with the colour wherever the mask is
// white: per pixel (tile AND NOT mask) OR (colour AND mask). The size is the
// tile's, or the one given (a button draws at its own size).
//
// Lasting effect: the tile itself is cut black where the mask is white, and
// the cut stays. A tile used with one mask looks the same at every drawing; a
// tile shared by several masks (the status display's lamps) keeps the holes
// of every mask drawn with it. The mask is left as it was.
void TintMasked(PixelBuffer& tile, const PixelBuffer& mask, ColorTriple colour, PixelBuffer& target, int x, int y);
void TintMasked(PixelBuffer& tile, const PixelBuffer& mask, ColorTriple colour, PixelBuffer& target, int x, int y,
                int width, int height);

// Draws one seven-segment digit cell: the lit colour where the lit mask is
// white, the unlit colour where the unlit mask is white, the tile elsewhere.
// The hole mask is black on all seven segments; the tile is cut with it once
// and for good (repeating the cut changes nothing).
struct SegmentMasks {
  const PixelBuffer& holes;
  const PixelBuffer& lit;
  const PixelBuffer& unlit;
};
void TintSegments(PixelBuffer& tile, const SegmentMasks& masks, ColorTriple litColour, ColorTriple unlitColour,
                  PixelBuffer& target, int x, int y);
