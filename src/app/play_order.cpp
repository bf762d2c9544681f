#include "play_order.h"

int RandomIndex(std::int32_t r, int n) {
  return static_cast<int>(static_cast<std::int64_t>(r) * n / kRandomRange);
}

std::optional<int> NextTrackIndex(int count, int current, PlayModes modes, const std::function<std::int32_t()>& draw) {
  if (count <= 0 || !modes.continuous) {
    return std::nullopt;
  }
  // Loop repeats the current track; with none there is nothing to repeat and
  // the album starts as it would without Loop.
  if (modes.loop && current >= 0) {
    return current;
  }
  if (modes.random) {
    return RandomIndex(draw(), count);
  }
  const int next = current + 1;
  if (next < count) {
    return next;
  }
  return modes.stopAtAlbumEnd ? std::nullopt : std::optional<int>(0);
}

std::optional<int> PreviousTrackIndex(int count, int current, PlayModes modes) {
  if (current <= 0 || count <= 0 || !modes.continuous) {
    return std::nullopt;
  }
  if (modes.loop) {
    return current;
  }
  return current - 1;
}
