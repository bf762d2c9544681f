#include "pixel_picture.h"

#include <gtest/gtest.h>

namespace pixel_picture {

namespace {

Legend WithDefaults(const Legend& legend) {
  Legend full = legend;
  full.try_emplace('#', Rgb{255, 255, 255});
  full.try_emplace('.', Rgb{0, 0, 0});
  return full;
}

}  // namespace

Rgb Picture::At(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
}

Picture Parse(std::initializer_list<std::string_view> rows, const Legend& legend) {
  const Legend full = WithDefaults(legend);
  Picture picture;
  picture.height = static_cast<int>(rows.size());
  picture.width = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size());
  for (std::string_view row : rows) {
    if (static_cast<int>(row.size()) != picture.width) {
      ADD_FAILURE() << "pixel picture rows differ in length: \"" << row << "\"";
      return {};
    }
    for (char c : row) {
      const auto found = full.find(c);
      if (found == full.end()) {
        ADD_FAILURE() << "pixel picture character '" << c << "' has no colour";
        return {};
      }
      picture.rgb.insert(picture.rgb.end(), found->second.begin(), found->second.end());
    }
  }
  return picture;
}

std::vector<std::string> Render(const Picture& picture, const Legend& legend) {
  const Legend full = WithDefaults(legend);
  std::vector<std::string> rows;
  for (int y = 0; y < picture.height; ++y) {
    std::string row;
    for (int x = 0; x < picture.width; ++x) {
      const Rgb colour = picture.At(x, y);
      char c = '?';
      for (const auto& [name, value] : full) {
        if (value == colour) {
          c = name;
          break;
        }
      }
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace pixel_picture
