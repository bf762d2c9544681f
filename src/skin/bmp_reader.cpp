#include "bmp_reader.h"

#include <array>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
// Far beyond any skin bitmap; keeps a corrupt header from asking for gigabytes.
constexpr std::int32_t kMaxSide = 16384;

std::uint32_t U16(const std::uint8_t* at) { return static_cast<std::uint32_t>(at[0] | (at[1] << 8)); }

std::uint32_t U32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
         (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  std::size_t rowBytes = 0;
  std::size_t pixelsAt = 0;
  std::size_t paletteAt = 0;
  std::size_t paletteSize = 0;
};

bool ReadLayout(const std::uint8_t* data, std::size_t size, Layout* layout) {
  if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t infoSize = U32(info);
  const auto width = static_cast<std::int32_t>(U32(info + 4));
  const auto height = static_cast<std::int32_t>(U32(info + 8));
  const std::uint32_t bits = U16(info + 14);
  const std::uint32_t compression = U32(info + 16);
  const std::uint32_t coloursUsed = U32(info + 32);
  if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) return false;
  if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
  if (compression != kUncompressed && !(compression == kBitFields && bits == 32)) return false;

  layout->width = width;
  layout->height = height < 0 ? -height : height;
  layout->topDown = height < 0;
  layout->bitsPerPixel = static_cast<int>(bits);
  layout->rowBytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  layout->pixelsAt = U32(data + 10);
  layout->paletteAt = kFileHeaderSize + infoSize + (compression == kBitFields ? 12 : 0);
  if (bits <= 8) {
    const std::size_t most = std::size_t{1} << bits;
    layout->paletteSize = coloursUsed == 0 || coloursUsed > most ? most : coloursUsed;
    if (layout->paletteAt + layout->paletteSize * 4 > size) return false;
  }
  const std::size_t pixelBytes = layout->rowBytes * static_cast<std::size_t>(layout->height);
  return layout->pixelsAt <= size && pixelBytes <= size - layout->pixelsAt;
}

// The palette as colours; an index past its end reads as black.
std::array<ColorTriple, 256> ReadPalette(const std::uint8_t* data, const Layout& layout) {
  std::array<ColorTriple, 256> palette{};
  for (std::size_t i = 0; i < layout.paletteSize; ++i) {
    const std::uint8_t* entry = data + layout.paletteAt + 4 * i;  // blue, green, red, unused
    palette[i] = ColorTriple{entry[2], entry[1], entry[0]};
  }
  return palette;
}

void ReadRow(const std::uint8_t* row, const Layout& layout, const std::array<ColorTriple, 256>& palette,
             std::uint8_t* out) {
  const int bits = layout.bitsPerPixel;
  for (int x = 0; x < layout.width; ++x, out += 3) {
    ColorTriple colour;
    if (bits == 1) {
      const bool on = (row[x / 8] >> (7 - x % 8)) & 1;
      colour = on ? ColorTriple{255, 255, 255} : ColorTriple{0, 0, 0};
    } else if (bits == 4) {
      colour = palette[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
    } else if (bits == 8) {
      colour = palette[row[x]];
    } else {
      const std::uint8_t* pixel = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
      colour = ColorTriple{pixel[2], pixel[1], pixel[0]};
    }
    out[0] = colour.red;
    out[1] = colour.green;
    out[2] = colour.blue;
  }
}

}  // namespace

PixelBuffer ReadBmp(const std::uint8_t* data, std::size_t size) {
  Layout layout;
  if (data == nullptr || !ReadLayout(data, size, &layout)) return {};
  const std::array<ColorTriple, 256> palette = ReadPalette(data, layout);
  PixelBuffer pixels(layout.width, layout.height);
  for (int y = 0; y < layout.height; ++y) {
    const int stored = layout.topDown ? y : layout.height - 1 - y;
    ReadRow(data + layout.pixelsAt + static_cast<std::size_t>(stored) * layout.rowBytes, layout, palette,
            pixels.Row(y));
  }
  return pixels;
}
