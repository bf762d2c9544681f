#include "faces.h"

#include "pixel_art.h"
#include "skin_bitmap_ids.h"
#include "skin_palette.h"

namespace {

using namespace skin_palette;

// A key sunk in its slot: a one-pixel dark slot edge with rounded corners
// around a body shaded from top to bottom. A raised key catches light on its
// upper edge; a pressed one sits lower, shadowed at the top.
QImage Key(int width, int height, bool pressed) {
  QImage key(width, height, QImage::Format_RGB32);
  key.fill(kEdge);
  const QRgb top = pressed ? kKeyPressedTop : kKeyTop;
  const QRgb bottom = pressed ? kKeyPressedBottom : kKeyBottom;
  const int bodyHeight = height - 2;
  for (int row = 0; row < bodyHeight; ++row) {
    const double t = bodyHeight > 1 ? static_cast<double>(row) / (bodyHeight - 1) : 0.0;
    FillBox(key, 1, 1 + row, width - 2, 1, Blend(top, bottom, t));
  }
  if (pressed) {
    FillBox(key, 1, 1, width - 2, 1, kEdge);
    FillBox(key, 1, 1, 1, height - 2, Blend(kEdge, top, 0.5));
  } else {
    FillBox(key, 2, 1, width - 4, 1, kKeyHighlight);
    FillBox(key, 1, 2, 1, height - 4, Blend(kKeyHighlight, top, 0.6));
    FillBox(key, 2, height - 2, width - 4, 1, kShade);
    FillBox(key, width - 2, 2, 1, height - 4, Blend(kShade, bottom, 0.5));
  }
  // Rounded corners: the slot shows through.
  for (int x : {1, width - 2}) {
    for (int y : {1, height - 2}) {
      key.setPixel(x, y, Blend(kEdge, top, 0.35));
    }
  }
  return key;
}

// The caption buttons are too small for a slot: a flat chip with one lit and
// one shaded edge.
QImage Chip(int size, bool pressed) {
  QImage chip(size, size, QImage::Format_RGB32);
  const QRgb body = pressed ? kKeyPressedTop : kFaceTop;
  chip.fill(body);
  FillBox(chip, 0, 0, size, 1, pressed ? kEdge : kHighlight);
  FillBox(chip, 0, 0, 1, size, pressed ? kEdge : Blend(kHighlight, body, 0.5));
  FillBox(chip, 0, size - 1, size, 1, pressed ? kFaceBottom : kEdge);
  FillBox(chip, size - 1, 0, 1, size, pressed ? kFaceBottom : kEdge);
  return chip;
}

}  // namespace

QImage DrawFace(int id) {
  switch (id) {
    case IDB_FACE_NARROW: return Key(16, 15, false);
    case IDB_FACE_NARROW_PRESSED: return Key(16, 15, true);
    case IDB_FACE_WIDE: return Key(32, 15, false);
    case IDB_FACE_WIDE_PRESSED: return Key(32, 15, true);
    case IDB_FACE_SMALL: return Key(10, 9, false);
    case IDB_FACE_SMALL_PRESSED: return Key(10, 9, true);
    case IDB_FACE_CAPTION: return Chip(7, false);
    case IDB_FACE_CAPTION_PRESSED: return Chip(7, true);
    default: return {};
  }
}
