#pragma once

#include <string_view>

// How the colour window turns what the user does into a component value.

// The three colour components, in the order of ColorTriple.
enum class ColorComponent { Red = 0, Green = 1, Blue = 2 };

// A number field's text as a component: leading blanks skipped, an optional
// sign and the digits after it read as a decimal number, and its low 8 bits
// kept. "300" gives 44, "-1" gives 255, text without digits gives 0. Any
// length is safe: only the low 8 bits are ever computed.
int ComponentFromText(std::string_view text);

// What a slider asks for.
enum class ScrollRequest {
  LineLeft,
  LineRight,
  PageLeft,
  PageRight,
  ThumbPosition,  // the thumb was let go at thumbPosition
  ThumbTrack,     // the thumb is being dragged, now at thumbPosition
  Left,           // to the left end
  Right,          // to the right end
  EndScroll,      // the end of a scroll: nothing to do
};

inline constexpr int kComponentMax = 255;
inline constexpr int kComponentPage = 64;

// The component value after a scroll request, always within 0-255.
int ScrolledComponent(ScrollRequest request, int value, int thumbPosition);
