#pragma once

#include <array>
#include <cstdint>

#include "profile_store.h"
#include "settings_values.h"

// The names the preferences are stored under, with their defaults, in the
// order they are read and written.
namespace settings_table {

struct IntValue {
  const char* name;
  int defaultValue;
  int SettingsValues::*field;
};

struct ColorElement {
  const char* listText;         // as the colour window lists the element
  const char* name;             // stored value's name
  std::uint32_t defaultColorRef;  // 0x00BBGGRR
};

extern const std::array<IntValue, 3> kModes;
extern const std::array<IntValue, 14> kGeometry;
// Read and written after the tag flags; a value outside 1-3 reads as 1.
extern const IntValue kZoom;
extern const std::array<ColorElement, kColorElementCount> kColorElements;
// Tag flags 1-6 in number order.
extern const std::array<const char*, kTagFlagCount> kTagFlagNames;

}  // namespace settings_table

// What a first run starts with: every default of the table.
SettingsValues DefaultSettings();

// Reads modes, geometry, colours 0-24, tag flags 1-6 and the zoom, in that order, each
// missing or unreadable value giving its default. A colour's top byte is
// ignored.
SettingsValues ReadSettings(ProfileStore& store);

// Writes every value in the order ReadSettings reads them; colours with a top
// byte of 0.
void WriteSettings(ProfileStore& store, const SettingsValues& values);
