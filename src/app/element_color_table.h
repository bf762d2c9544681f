#pragma once

#include <array>

#include "color_triple.h"

// The 25 recolourable elements of the main window, numbered as the colour
// window lists them and as the settings store them.
inline constexpr int kElementCount = 25;
inline constexpr int kElementTrackDisplay = 17;
inline constexpr int kElementSliderThumb = 24;

// One colour per element, starting at the defaults a first run shows. It is
// the colour table the colour window owns; the main window reads it when it
// applies colours.
class ElementColorTable {
 public:
  ElementColorTable();

  // Indexes outside 0-24 read as black and are not stored.
  ColorTriple GetColor(int index) const;
  void SetColor(int index, ColorTriple colour);

  static ColorTriple DefaultColor(int index);

 private:
  std::array<ColorTriple, kElementCount> m_colors;
};
