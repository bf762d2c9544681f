#pragma once

// Tiny bitmaps written as text, one string per row: "#..#". Each character
// names a colour through a legend; '#' is white and '.' black unless the
// legend says otherwise. A drawn buffer prints back as text, so a failed
// comparison shows a picture; a colour missing from the legend prints as '?'.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "pixel_buffer.h"

using Legend = std::map<char, ColorTriple>;
using Rows = std::vector<std::string>;

inline Legend WithBlackAndWhite(Legend legend) {
  legend.try_emplace('#', ColorTriple{255, 255, 255});
  legend.try_emplace('.', ColorTriple{0, 0, 0});
  return legend;
}

// Rows of unequal length and characters missing from the legend fail the test.
inline PixelBuffer BufferFromPicture(std::initializer_list<std::string_view> rows, const Legend& legend = {}) {
  const Legend full = WithBlackAndWhite(legend);
  PixelBuffer buffer(rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
  int y = 0;
  for (const std::string_view row : rows) {
    EXPECT_EQ(static_cast<int>(row.size()), buffer.Width()) << "rows of unequal length: \"" << row << "\"";
    for (int x = 0; x < std::min(buffer.Width(), static_cast<int>(row.size())); ++x) {
      const auto found = full.find(row[static_cast<std::size_t>(x)]);
      EXPECT_TRUE(found != full.end()) << "'" << row[static_cast<std::size_t>(x)] << "' has no colour";
      if (found != full.end()) buffer.SetPixel(x, y, found->second);
    }
    ++y;
  }
  return buffer;
}

inline Rows PictureOf(const PixelBuffer& buffer, const Legend& legend = {}) {
  const Legend full = WithBlackAndWhite(legend);
  Rows rows(static_cast<std::size_t>(buffer.Height()));
  for (int y = 0; y < buffer.Height(); ++y) {
    for (int x = 0; x < buffer.Width(); ++x) {
      const auto named = std::find_if(full.begin(), full.end(),
                                      [&](const auto& entry) { return entry.second == buffer.Pixel(x, y); });
      rows[static_cast<std::size_t>(y)] += named == full.end() ? '?' : named->first;
    }
  }
  return rows;
}
