#pragma once

#include <cstdint>

// What the status display's four digit cells show for a time.
enum TimeMode : int { kTimeElapsed = 0, kTimeRemaining = 1, kTimeTotal = 2 };

// The value shown in a mode: elapsed shows the time, remaining the length
// minus the time (0:00 once the time has passed the length), total the length.
// An unknown mode shows the time.
std::uint32_t ShownSeconds(int mode, std::uint32_t time, std::uint32_t length);

// The next mode on a double-click: elapsed, remaining, total, elapsed again.
int NextTimeMode(int mode);

// M:SS with a tens-of-minutes digit in front. tensOfMinutes may exceed 9 from
// 100 minutes on; the display then draws a lit 0.
struct TimeDigits {
  std::uint32_t tensOfMinutes;
  std::uint32_t minutes;
  std::uint32_t tensOfSeconds;
  std::uint32_t seconds;
};
TimeDigits SplitTime(std::uint32_t value);
