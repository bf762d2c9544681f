#include "color_triple.h"

#include <ostream>

ColorTriple ColorTriple::FromColorRef(std::uint32_t colorRef) {
  return ColorTriple{static_cast<std::uint8_t>(colorRef & 0xFF),
                     static_cast<std::uint8_t>((colorRef >> 8) & 0xFF),
                     static_cast<std::uint8_t>((colorRef >> 16) & 0xFF)};
}

std::uint32_t ColorTriple::ToColorRef() const {
  return std::uint32_t{red} | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
}

ColorTriple DimColor(ColorTriple colour, int divisor) {
  if (divisor <= 0) {
    return colour;
  }
  auto dim = [divisor](std::uint8_t channel) { return static_cast<std::uint8_t>(channel / divisor); };
  return ColorTriple{dim(colour.red), dim(colour.green), dim(colour.blue)};
}

void PrintTo(const ColorTriple& colour, std::ostream* out) {
  *out << "ColorTriple{" << int{colour.red} << ", " << int{colour.green} << ", " << int{colour.blue} << "}";
}
