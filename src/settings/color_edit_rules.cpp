#include "color_edit_rules.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

int Clamped(int value) { return std::clamp(value, 0, kComponentMax); }

}  // namespace

int ComponentFromText(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  // Only the low 8 bits survive, so the number is kept modulo 256 as it is
  // read: no overflow, whatever the length.
  int low = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) low = (low * 10 + (text[at] - '0')) % 256;
  return negative ? (256 - low) % 256 : low;
}

int ScrolledComponent(ScrollRequest request, int value, int thumbPosition) {
  switch (request) {
    case ScrollRequest::LineLeft:
      return Clamped(value - 1);
    case ScrollRequest::LineRight:
      return Clamped(value + 1);
    case ScrollRequest::PageLeft:
      return Clamped(value - kComponentPage);
    case ScrollRequest::PageRight:
      return Clamped(value + kComponentPage);
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack:
      return Clamped(thumbPosition);
    case ScrollRequest::Left:
      return 0;
    case ScrollRequest::Right:
      return kComponentMax;
    case ScrollRequest::EndScroll:
      break;
  }
  return Clamped(value);
}
