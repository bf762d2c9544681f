#pragma once

#include <array>

#include "color_triple.h"
#include "zoom_range.h"

inline constexpr int kColorElementCount = 25;
inline constexpr int kTagFlagCount = 6;

// Every preference the jukebox keeps between runs, as plain values. Start-up
// reads them all into this record and hands them to their owners; exit
// gathers them back from the owners and writes them all.
struct SettingsValues {
  // Play modes: 1 on, 0 off.
  int nOptionRandom = 0;
  int nOptionLoop = 0;
  int nOptionContinuous = 1;

  // Window places (left, top) and the tracklist's size, screen pixels.
  int nMainX = 10, nMainY = 10;
  int nPlayX = 10, nPlayY = 10;
  int nDictX = 10, nDictY = 10;
  int nTlistX = 10, nTlistY = 10;
  int nTlistSizeX = 250, nTlistSizeY = 375;
  int nColorX = 10, nColorY = 10;
  int nTagsX = 10, nTagsY = 10;
  // The skin's zoom, kMinZoom-kMaxZoom.
  int nZoom = 1;

  // One colour per element, by element index 0-24.
  std::array<ColorTriple, kColorElementCount> colors{};
  // Tag flags 1-6 at positions 0-5: artist, name, genre, date, comment, source.
  std::array<int, kTagFlagCount> tagFlags{};
};
