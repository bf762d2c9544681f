#pragma once

#include <array>

#include <QRect>
#include <QSize>

// The tracklist window as drawn in dialog units (see dialog_units.h), and how
// its controls follow the window when it is resized. Plain data, so the
// window builds itself from it and tests compare against it.
namespace tracklist_layout {

enum class ControlKind { Field, List, Button };

struct ControlTemplate {
  int id;
  const char* name;
  ControlKind kind;
  const char* text;
  bool centred;  // a field whose text is centred
  int x, y, width, height;
};

inline constexpr int kWidth = 177;
inline constexpr int kHeight = 236;
// The smallest window, frame included, in pixels.
inline constexpr QSize kMinimumWindow{208, 163};

extern const std::array<ControlTemplate, 16> kControls;

// Where a control goes when the client area is cx x cy pixels. Each control
// either keeps its place and follows the width or height (size), or keeps
// its size and follows the right or bottom edge (move); `current` is the
// control's rectangle now.
QRect PlaceControl(int id, const QRect& current, int cx, int cy);

}  // namespace tracklist_layout
