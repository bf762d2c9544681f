#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "entry_array.h"

// An album of made-up tracks as a large collection looks: few genres, a few
// hundred artists and albums, folders per album, display names that repeat.
// No files behind it: the windows and sorts never read them.
EntryArray MakeBenchAlbum(int tracks);

// Seconds spent in work, on the steady clock.
inline double SecondsSpent(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  return spent.count();
}
