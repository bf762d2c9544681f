#pragma once

#include <string_view>

// Whether text equals lower (given in lower case) when ASCII letters are
// compared without regard to case; other bytes must match exactly. File
// extensions are compared this way.
inline bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i]) return false;
  }
  return true;
}
