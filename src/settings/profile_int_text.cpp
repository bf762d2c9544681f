#include "profile_int_text.h"

#include <cstdint>

namespace {

constexpr std::int64_t kLowest = -(std::int64_t{1} << 31);
constexpr std::int64_t kHighest = (std::int64_t{1} << 32) - 1;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int> ParseProfileInt(std::string_view text) {
  text = Trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    // Stops long before the 64-bit range could overflow.
    if (magnitude > kHighest) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < kLowest) return std::nullopt;
  return static_cast<int>(static_cast<std::uint32_t>(value));
}
