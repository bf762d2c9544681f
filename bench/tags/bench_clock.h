#pragma once

#include <algorithm>
#include <chrono>
#include <functional>

// The best of several runs, in milliseconds: the least disturbed one is the
// fairest comparison between two programs on a shared machine.
inline double BestMilliseconds(int runs, const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}
