#pragma once

#include <array>

// The tag editor's window as drawn in dialog units (see dialog_units.h).
// Plain data so the window builds itself from it and tests compare against it.
namespace tag_editor_layout {

enum class ControlKind { Label, Value, Edit, Button };

struct ControlTemplate {
  int id;            // -1 for a label
  const char* name;  // object name, "" for a label
  ControlKind kind;
  const char* text;  // fixed text of a label or button
  int x, y, width, height;
};

inline constexpr int kWidth = 194;
inline constexpr int kHeight = 185;

extern const std::array<ControlTemplate, 33> kControls;

struct AboutTemplate {
  int width = 133, height = 50;
  int iconX = 11, iconY = 17;
  int textX = 39, textY = 9, textWidth = 83, textHeight = 8;
  int okX = 99, okY = 34, okWidth = 32, okHeight = 14;
};
inline constexpr AboutTemplate kAbout{};

}  // namespace tag_editor_layout
