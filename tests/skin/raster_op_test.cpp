#include "raster_op.h"

#include <gtest/gtest.h>

#include "picture_buffer.h"

namespace {

// A block reaching past either buffer is cut to what both hold, and nothing
// outside it changes.
TEST(BitBlt, ClipsEveryBlockToTheBuffers) {
  PixelBuffer destination = BufferFromPicture({"...", "...", "..."});
  const PixelBuffer source = BufferFromPicture({"##", "##"});
  // Asks for 3 x 3 from a 2 x 2 source, placed one pixel up and left.
  BitBlt(destination, -1, -1, 3, 3, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..."}));
  BitBlt(destination, 2, 2, 5, 5, source, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(PictureOf(destination), (Rows{"#..", "...", "..#"}));

  InvertBlock(destination, 1, 0, 5, 1);
  EXPECT_EQ(PictureOf(destination), (Rows{"###", "...", "..#"}));
  // A copy larger than its source reads black beyond it.
  EXPECT_EQ(PictureOf(CopyBlock(source, 3, 1)), (Rows{"##."}));
}

}  // namespace
