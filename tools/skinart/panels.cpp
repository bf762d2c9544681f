#include "panels.h"

#include <array>
#include <random>

#include "pixel_art.h"
#include "skin_bitmap_ids.h"
#include "skin_palette.h"

namespace {

using namespace skin_palette;

constexpr int kWindowWidth = 266;
constexpr int kWindowHeight = 114;
constexpr int kRolledHeight = 22;
constexpr int kStripBottom = 22;  // first row below the caption strip

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive, window coordinates
};

// Where the controls sit on the window; each gets a sunken frame around it.
constexpr std::array<Box, 4> kCaptionWells = {{
    {17, 7, 240, 16}, {8, 8, 15, 15}, {242, 8, 249, 15}, {251, 8, 258, 15}}};
constexpr std::array<Box, 17> kBodyWells = {{
    {14, 29, 252, 45},  {12, 52, 85, 102},  {90, 72, 254, 82},  {90, 52, 122, 67},  {125, 52, 157, 67},
    {160, 52, 176, 67}, {179, 52, 195, 67}, {198, 52, 214, 67}, {219, 52, 235, 67}, {238, 52, 254, 67},
    {90, 87, 106, 102}, {109, 87, 125, 102}, {128, 87, 160, 102}, {163, 87, 179, 102}, {182, 87, 198, 102},
    {203, 87, 235, 102}, {238, 87, 254, 102}}};

// Brushed metal: each row drifts a little in brightness, each pixel a little
// more, from a fixed seed so every build draws the same picture.
void BrushedFill(QImage& picture, int top, int bottom, QRgb from, QRgb to, unsigned seed, int left = 0,
                 int right = -1) {
  if (right < 0) {
    right = picture.width();
  }
  std::minstd_rand random(seed);
  std::uniform_int_distribution<int> rowDrift(-2, 2);
  std::uniform_int_distribution<int> grain(-1, 1);
  for (int y = top; y < bottom; ++y) {
    const double t = bottom - top > 1 ? static_cast<double>(y - top) / (bottom - top - 1) : 0.0;
    const QRgb base = Blend(from, to, t);
    const int drift = rowDrift(random);
    for (int x = left; x < right; ++x) {
      const int d = drift + grain(random);
      picture.setPixel(x, y, qRgb(qBound(0, qRed(base) + d, 255), qBound(0, qGreen(base) + d, 255),
                                  qBound(0, qBlue(base) + d, 255)));
    }
  }
}

// A frame one pixel outside the box: shadow above and left, light below and
// right, so the box looks set into the face.
void Sunken(QImage& picture, const Box& box) {
  const QRgb light = Blend(kHighlight, kFaceBottom, 0.45);
  FillBox(picture, box.left - 1, box.top - 1, box.right - box.left + 2, 1, kShade);
  FillBox(picture, box.left - 1, box.top - 1, 1, box.bottom - box.top + 2, kShade);
  FillBox(picture, box.left - 1, box.bottom, box.right - box.left + 2, 1, light);
  FillBox(picture, box.right, box.top - 1, 1, box.bottom - box.top + 2, light);
}

void Screw(QImage& picture, int x, int y) {
  Stamp(picture, x, y, {".#.", "#.#", ".#."}, kShade);
  Stamp(picture, x, y, {"...", ".#.", "..."}, kHighlight);
}

void Frame(QImage& picture, int height) {
  FillBox(picture, 0, 0, kWindowWidth, 1, kEdge);
  FillBox(picture, 0, 0, 1, height, kEdge);
  FillBox(picture, 0, height - 1, kWindowWidth, 1, kEdge);
  FillBox(picture, kWindowWidth - 1, 0, 1, height, kEdge);
  FillBox(picture, 1, 1, kWindowWidth - 2, 1, Blend(kHighlight, kStrip, 0.5));
  FillBox(picture, 1, 1, 1, height - 2, Blend(kHighlight, kStrip, 0.7));
}

void CaptionStrip(QImage& picture) {
  BrushedFill(picture, 1, kStripBottom, kStrip, Blend(kStrip, kEdge, 0.3), 7);
  for (const Box& well : kCaptionWells) {
    Sunken(picture, well);
  }
}

QImage Background() {
  QImage picture(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
  BrushedFill(picture, kStripBottom, kWindowHeight, kFaceTop, kFaceBottom, 11);
  CaptionStrip(picture);
  // The seam between the caption strip and the body.
  FillBox(picture, 1, kStripBottom, kWindowWidth - 2, 1, kEdge);
  FillBox(picture, 1, kStripBottom + 1, kWindowWidth - 2, 1, Blend(kHighlight, kFaceTop, 0.5));
  // The deck: a darker plate that holds the displays and the controls.
  for (const Box& deck : {Box{9, 49, 257, 105}}) {
    BrushedFill(picture, deck.top, deck.bottom, Blend(kFaceBottom, kEdge, 0.35), Blend(kFaceBottom, kEdge, 0.5),
                static_cast<unsigned>(deck.top), deck.left, deck.right);
    Sunken(picture, deck);
  }
  for (const Box& well : kBodyWells) {
    Sunken(picture, well);
  }
  for (auto [x, y] : {std::pair{4, 27}, {259, 27}, {4, 106}, {259, 106}}) {
    Screw(picture, x, y);
  }
  DrawPixelText(picture, 12, 107, "VELMORA", Blend(kFaceBottom, kHighlight, 0.55));
  Frame(picture, kWindowHeight);
  return picture;
}

// The rolled-up window is the caption strip alone; its bitmap is one row
// taller than the window, and that row is never seen.
QImage RolledBackground() {
  QImage picture(kWindowWidth, kRolledHeight + 1, QImage::Format_RGB32);
  picture.fill(kEdge);
  CaptionStrip(picture);
  Frame(picture, kRolledHeight);
  return picture;
}

QImage CaptionBar(bool active) {
  constexpr int kWidth = 223;
  constexpr int kHeight = 9;
  QImage bar(kWidth, kHeight, QImage::Format_RGB32);
  bar.fill(kWell);
  const QRgb ridge = active ? Blend(kWellLine, kHighlight, 0.5) : kWellLine;
  for (int y : {2, 4, 6}) {
    for (int x = 2; x < kWidth - 2; x += 2) {
      bar.setPixel(x, y, ridge);
    }
  }
  const char* name = "VELMORA";
  const int textWidth = PixelTextWidth(name);
  const int textLeft = (kWidth - textWidth) / 2;
  FillBox(bar, textLeft - 4, 0, textWidth + 8, kHeight, kWell);
  DrawPixelText(bar, textLeft, 2, name, active ? kLabel : kLabelDim);
  return bar;
}

QImage FlatPicture(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  return picture;
}

QImage StatusBackground() {
  QImage picture = FlatPicture(73, 50, kWell);
  FillBox(picture, 4, 30, 65, 1, kWellLine);
  return picture;
}

QImage SliderTrack() {
  constexpr int kWidth = 164;
  QImage track = FlatPicture(kWidth, 10, kWell);
  FillBox(track, 2, 4, kWidth - 4, 1, kEdge);
  FillBox(track, 2, 5, kWidth - 4, 1, kWellLine);
  for (int x = 11; x < kWidth - 2; x += 16) {
    FillBox(track, x, 1, 1, 2, kWellLine);
    FillBox(track, x, 7, 1, 2, kWellLine);
  }
  return track;
}

// The thumb: a small metal cap with a slot along its middle; the slot is
// where the thumb's colour shows.
QImage Thumb() {
  constexpr int kWidth = 20;
  constexpr int kHeight = 10;
  QImage thumb = FlatPicture(kWidth, kHeight, kEdge);
  for (int row = 1; row < kHeight - 1; ++row) {
    FillBox(thumb, 1, row, kWidth - 2, 1, Blend(kKeyHighlight, kKeyBottom, (row - 1) / 7.0));
  }
  FillBox(thumb, 3, 3, kWidth - 6, 4, kShade);
  FillBox(thumb, 2, 3, 1, 4, Blend(kKeyTop, kShade, 0.5));
  FillBox(thumb, kWidth - 3, 3, 1, 4, Blend(kKeyTop, kShade, 0.5));
  return thumb;
}

QImage ThumbMask() {
  QImage mask = BlackPicture(20, 10);
  FillBox(mask, 4, 4, 12, 2, qRgb(255, 255, 255));
  return mask;
}

}  // namespace

QImage DrawPanel(int id) {
  switch (id) {
    case IDB_TRACK_DISPLAY: return FlatPicture(238, 16, kTrackText);
    case IDB_CAPTION_ACTIVE: return CaptionBar(true);
    case IDB_STATUS_DISPLAY: return StatusBackground();
    case IDB_BACKGROUND_ROLLED: return RolledBackground();
    case IDB_BACKGROUND: return Background();
    case IDB_SLIDER: return SliderTrack();
    case IDB_CAPTION_INACTIVE: return CaptionBar(false);
    case IDB_THUMB: return Thumb();
    case IDB_THUMB_MASK: return ThumbMask();
    default: return {};
  }
}
