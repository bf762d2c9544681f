#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The three play modes, as the lit states of their toggles, and whether
// sequential play stops after the album's last track instead of going round
// to the first (no button shows that; Random has no album end to stop at).
struct PlayModes {
  bool continuous = true;
  bool loop = false;
  bool random = false;
  bool stopAtAlbumEnd = false;

  bool operator==(const PlayModes&) const = default;
};

// The values a random draw gives: 0 to 32767.
inline constexpr std::int32_t kRandomRange = 32768;

// The track a draw r (0-32767) picks among n: floor(r * n / 32768), worked
// out in 64 bits so that no album size can overflow it.
int RandomIndex(std::int32_t r, int n);

// What follows the current track at its end or on Skip to end: nothing
// without Continuous or with an empty album; the same track with Loop (when
// there is one: current is not -1); a random one with Random (draw gives
// 0-32767); else the next, the first after none, and after the last the
// first, or nothing when play stops at the album's end.
std::optional<int> NextTrackIndex(int count, int current, PlayModes modes, const std::function<std::int32_t()>& draw);

// What Rewind goes back to: nothing from the first track or with none
// current, with an empty album or without Continuous; the same track with
// Loop; else the one before. Random plays no part.
std::optional<int> PreviousTrackIndex(int count, int current, PlayModes modes);
