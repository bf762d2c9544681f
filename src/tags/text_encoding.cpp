#include "text_encoding.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
// Returns the code points, or nothing when the bytes are not UTF-8.
std::optional<std::vector<char32_t>> DecodeUtf8(const std::string& bytes) {
  std::vector<char32_t> points;
  points.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    int extra;
    char32_t point;
    if (lead < 0x80) { extra = 0; point = lead; }
    else if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; point = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; point = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; point = lead & 0x07; }
    else return std::nullopt;
    if (bytes.size() - i - 1 < static_cast<std::size_t>(extra)) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      point = point << 6 | (next & 0x3F);
    }
    const bool overlong = (extra == 2 && point < 0x800) || (extra == 3 && point < 0x10000);
    if (overlong || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
    points.push_back(point);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return points;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | point >> 6);
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | point >> 12);
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | point >> 18);
    out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

}  // namespace

std::string DecodeTagTextToUtf8(const std::string& bytes) {
  if (DecodeUtf8(bytes)) return bytes;
  std::string utf8;
  utf8.reserve(bytes.size() * 2);
  for (char byte : bytes) AppendUtf8(utf8, static_cast<unsigned char>(byte));
  return utf8;
}

// Latin-1 bytes that happen to form valid UTF-8 (the user typed "Ã©") would be
// shown as different characters when read back, so such a text is stored as
// UTF-8 instead; then decoding what was stored always gives back what was typed.
std::string EncodeTypedTextForTag(const std::string& utf8) {
  const auto points = DecodeUtf8(utf8);
  if (!points) return utf8;
  std::string latin1;
  latin1.reserve(points->size());
  for (char32_t point : *points) {
    if (point > 0xFF) return utf8;
    latin1 += static_cast<char>(point);
  }
  if (latin1 != utf8 && DecodeUtf8(latin1)) return utf8;
  return latin1;
}
