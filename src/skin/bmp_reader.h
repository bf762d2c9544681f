#pragma once

#include <cstddef>
#include <cstdint>

#include "pixel_buffer.h"

// Reads a Windows bitmap file held in memory: the file header, an info header
// of 40 bytes or more, uncompressed pixels of 1, 4, 8, 24 or 32 bits, rows
// bottom-up (or top-down for a negative height) and padded to four bytes.
// The skin's bitmaps are stored this way, so that they load without a
// decoder or a decompressor. One-bit pixels read as black for 0 and white
// for 1 whatever the palette says, as masks are meant; palette pixels take
// their palette's colour. Anything else, and any file too short for what its
// headers announce, gives an empty buffer.
PixelBuffer ReadBmp(const std::uint8_t* data, std::size_t size);
