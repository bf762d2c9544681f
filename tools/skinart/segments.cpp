#include "segments.h"

#include <array>

#include "pixel_art.h"
#include "skin_bitmap_ids.h"
#include "skin_palette.h"

namespace {

constexpr int kDigitWidth = 12;
constexpr int kDigitHeight = 23;
constexpr int kLampSize = 12;
constexpr int kSeparatorWidth = 3;

// Segments a (top), b (upper right), c (lower right), d (bottom), e (lower
// left), f (upper left), g (middle), each a bevelled bar three pixels thick.
enum Segment { kA, kB, kC, kD, kE, kF, kG };

void HorizontalSegment(QImage& mask, int centreRow, QRgb colour) {
  FillBox(mask, 3, centreRow - 1, 6, 1, colour);
  FillBox(mask, 2, centreRow, 8, 1, colour);
  FillBox(mask, 3, centreRow + 1, 6, 1, colour);
}

void VerticalSegment(QImage& mask, int centreColumn, int top, QRgb colour) {
  FillBox(mask, centreColumn, top, 1, 7, colour);
  FillBox(mask, centreColumn - 1, top + 1, 1, 5, colour);
  FillBox(mask, centreColumn + 1, top + 1, 1, 5, colour);
}

void DrawSegment(QImage& mask, Segment segment, QRgb colour) {
  switch (segment) {
    case kA: HorizontalSegment(mask, 1, colour); break;
    case kG: HorizontalSegment(mask, 11, colour); break;
    case kD: HorizontalSegment(mask, 21, colour); break;
    case kF: VerticalSegment(mask, 1, 3, colour); break;
    case kB: VerticalSegment(mask, 10, 3, colour); break;
    case kE: VerticalSegment(mask, 1, 13, colour); break;
    case kC: VerticalSegment(mask, 10, 13, colour); break;
  }
}

// Bit s of a digit's pattern is segment s.
constexpr std::array<unsigned, 10> kDigitSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

QImage SegmentMask(unsigned digit, bool lit) {
  QImage mask = BlackPicture(kDigitWidth, kDigitHeight);
  for (int segment = kA; segment <= kG; ++segment) {
    const bool on = (kDigitSegments[digit] >> segment) & 1u;
    if (on == lit) {
      DrawSegment(mask, static_cast<Segment>(segment), qRgb(255, 255, 255));
    }
  }
  return mask;
}

QImage HoleMask() {
  QImage mask(kDigitWidth, kDigitHeight, QImage::Format_RGB32);
  mask.fill(qRgb(255, 255, 255));
  for (int segment = kA; segment <= kG; ++segment) {
    DrawSegment(mask, static_cast<Segment>(segment), qRgb(0, 0, 0));
  }
  return mask;
}

QImage Tile(int width, int height) {
  QImage tile(width, height, QImage::Format_RGB32);
  tile.fill(skin_palette::kDisplayTile);
  return tile;
}

QImage SeparatorMask() {
  QImage mask = BlackPicture(kSeparatorWidth, kDigitHeight);
  Stamp(mask, 0, 6, {".#.", "###", ".#."});
  Stamp(mask, 0, 14, {".#.", "###", ".#."});
  return mask;
}

// The lamps spell what they stand for in the skin's small letters.
QImage LampMask(int id) {
  QImage mask = BlackPicture(kLampSize, kLampSize);
  switch (id) {
    case IDB_LAMP_DIC:
      Stamp(mask, 2, 2, {"##..#.....", "#.#.......", "#.#.#..##.", "#.#.#.#...", "#.#.#.#...", "##..#..##."});
      break;
    case IDB_LAMP_TAG:
      Stamp(mask, 1, 2, {"###.......", ".#........", ".#..##..##", ".#.#.#.#.#", ".#.#.#.#.#", ".#..##..##",
                         ".........#", ".......##."});
      break;
    case IDB_LAMP_VID:
      Stamp(mask, 1, 2, {"#.#.#....#", "#.#......#", "#.#.#..###", "#.#.#.#..#", "#.#.#.#..#", ".#..#..###"});
      break;
    case IDB_LAMP_AUD:
      Stamp(mask, 1, 2, {".#........#", "#.#.......#", "#.#.#.#..##", "###.#.#.#.#", "#.#.#.#.#.#",
                         "#.#..##..##"});
      break;
    default:
      return {};
  }
  return mask;
}

}  // namespace

QImage DrawStatusPart(int id) {
  if (id >= IDB_DIGIT_0_LIT && id <= IDB_DIGIT_0_UNLIT && id != IDB_DIGIT_TILE && id != IDB_SEPARATOR_MASK) {
    for (unsigned digit = 0; digit < 10; ++digit) {
      if (id == DigitLitMaskId(digit)) return SegmentMask(digit, true);
      if (id == DigitUnlitMaskId(digit)) return SegmentMask(digit, false);
    }
  }
  switch (id) {
    case IDB_DIGIT_HOLES: return HoleMask();
    case IDB_DIGIT_TILE: return Tile(kDigitWidth, kDigitHeight);
    case IDB_SEPARATOR_TILE: return Tile(kSeparatorWidth, kDigitHeight);
    case IDB_SEPARATOR_MASK: return SeparatorMask();
    case IDB_LAMP_TILE: return Tile(kLampSize, kLampSize);
    default: return LampMask(id);
  }
}
