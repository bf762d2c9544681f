#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Tiny bitmaps written as text, one string per row: "#..#". Each character
// names a colour through a legend; '#' is white and '.' black unless the
// legend says otherwise. Used for masks and tiles in raster tests, and to
// print a drawn bitmap back as text so a failed comparison shows a picture.
namespace pixel_picture {

using Rgb = std::array<std::uint8_t, 3>;
using Legend = std::map<char, Rgb>;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // rows top to bottom, three bytes a pixel

  Rgb At(int x, int y) const;
};

// Rows of unequal length or characters missing from the legend fail the
// current test and give an empty picture.
Picture Parse(std::initializer_list<std::string_view> rows, const Legend& legend = {});

// The picture as rows of text; a colour that is not in the legend shows '?'.
std::vector<std::string> Render(const Picture& picture, const Legend& legend = {});

}  // namespace pixel_picture
