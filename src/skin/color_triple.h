#pragma once

#include <cstdint>
#include <iosfwd>

// A skin colour: one byte each of red, green and blue, red first. The settings
// and the colour table hold it as a 32-bit value 0x00BBGGRR (red in the low
// byte); the top byte carries nothing and is dropped on the way in.
struct ColorTriple {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static ColorTriple FromColorRef(std::uint32_t colorRef);
  std::uint32_t ToColorRef() const;

  friend bool operator==(const ColorTriple&, const ColorTriple&) = default;
};

// Each channel divided by the divisor, remainder dropped. A divisor of 0 or
// below leaves the colour as it is. Unlit glyphs use 2, unlit segments and
// lamps 3.
ColorTriple DimColor(ColorTriple colour, int divisor);

// Lets a failed test comparison show the three channels.
void PrintTo(const ColorTriple& colour, std::ostream* out);
