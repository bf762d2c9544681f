#include "time_digits.h"

std::uint32_t ShownSeconds(int mode, std::uint32_t time, std::uint32_t length) {
  switch (mode) {
    case kTimeRemaining:
      return time > length ? 0 : length - time;
    case kTimeTotal:
      return length;
    default:
      return time;
  }
}

int NextTimeMode(int mode) {
  switch (mode) {
    case kTimeElapsed:
      return kTimeRemaining;
    case kTimeRemaining:
      return kTimeTotal;
    default:
      return kTimeElapsed;
  }
}

TimeDigits SplitTime(std::uint32_t value) {
  const std::uint32_t minutes = value / 60;
  const std::uint32_t seconds = value % 60;
  return TimeDigits{minutes / 10, minutes % 10, seconds / 10, seconds % 10};
}
