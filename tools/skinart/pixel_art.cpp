#include "pixel_art.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// Letters of the skin font, each five rows high.
const std::map<char, std::vector<std::string_view>>& SkinFont() {
  static const std::map<char, std::vector<std::string_view>> font = {
      {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
      {'E', {"###", "#..", "##.", "#..", "###"}},
      {'L', {"#..", "#..", "#..", "#..", "###"}},
      {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
      {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
      {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
      {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
      {' ', {"..", "..", "..", "..", ".."}},
  };
  return font;
}

int LetterWidth(char letter) {
  const auto found = SkinFont().find(letter);
  return found == SkinFont().end() ? 0 : static_cast<int>(found->second.front().size());
}

}  // namespace

QImage BlackPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 0));
  return picture;
}

void Stamp(QImage& picture, int x, int y, PixelRows rows, QRgb colour) {
  int row = 0;
  for (std::string_view line : rows) {
    for (int column = 0; column < static_cast<int>(line.size()); ++column) {
      if (line[static_cast<std::size_t>(column)] == '#' && picture.valid(x + column, y + row)) {
        picture.setPixel(x + column, y + row, colour);
      }
    }
    ++row;
  }
}

QImage CentredMask(int width, int height, PixelRows rows) {
  int rowsWidth = 0;
  for (std::string_view line : rows) {
    rowsWidth = std::max(rowsWidth, static_cast<int>(line.size()));
  }
  const int rowsHeight = static_cast<int>(rows.size());
  QImage mask = BlackPicture(width, height);
  Stamp(mask, (width - rowsWidth + 1) / 2, (height - rowsHeight + 1) / 2, rows);
  return mask;
}

int DrawPixelText(QImage& picture, int x, int y, std::string_view text, QRgb colour) {
  int at = x;
  for (char letter : text) {
    const auto found = SkinFont().find(letter);
    if (found == SkinFont().end()) {
      continue;
    }
    int row = 0;
    for (std::string_view line : found->second) {
      for (int column = 0; column < static_cast<int>(line.size()); ++column) {
        if (line[static_cast<std::size_t>(column)] == '#' && picture.valid(at + column, y + row)) {
          picture.setPixel(at + column, y + row, colour);
        }
      }
      ++row;
    }
    at += LetterWidth(letter) + 1;
  }
  return at - x - (text.empty() ? 0 : 1);
}

int PixelTextWidth(std::string_view text) {
  int width = 0;
  for (char letter : text) {
    width += LetterWidth(letter) + 1;
  }
  return text.empty() ? 0 : width - 1;
}

void FillBox(QImage& picture, int x, int y, int width, int height, QRgb colour) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      if (picture.valid(column, row)) {
        picture.setPixel(column, row, colour);
      }
    }
  }
}

QRgb Blend(QRgb from, QRgb to, double t) {
  const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}
