#pragma once

#include <array>

#include "control_ids.h"
#include "skin_bitmap_ids.h"

// A rectangle in the main window's client coordinates, which start one pixel
// in from the window's corner (inside the border). Right and bottom are
// exclusive when a control is placed and inclusive when a point is tested.
struct ClientRect {
  int left, top, right, bottom;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool ContainsInclusive(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The window and its controls.
inline constexpr int kMainWidth = 266;
inline constexpr int kMainHeight = 114;
inline constexpr int kRolledHeight = 22;
// Client coordinates plus this give window coordinates.
inline constexpr int kBorder = 1;

inline constexpr ClientRect kTrackDisplayRect{13, 28, 251, 44};
inline constexpr ClientRect kStatusRect{11, 51, 84, 101};
inline constexpr ClientRect kSliderRect{89, 71, 253, 81};
inline constexpr ClientRect kCaptionRect{16, 6, 239, 15};

// The slider thumb travels 0-141 pixels; its picture is 20 pixels wide and
// drawn two pixels in from its offset.
inline constexpr int kThumbTravel = 141;
inline constexpr int kThumbInset = 2;
inline constexpr int kThumbWidth = 20;
// A medium's length is spread over this many pixels of travel.
inline constexpr int kSliderScalePixels = 142;

// A skin button: where it sits, its face, pressed face and glyph mask, the
// colour element it shows, whether it is one of the four small buttons of the
// rolled-up window, and its tooltip.
struct SkinButtonPlace {
  int id;
  ClientRect rect;
  int face, pressedFace, glyph;
  int element;
  bool small;
  const char* tip;
};

// In creation order (after the four statics). The small buttons are created
// hidden; everything else shows from the start.
inline constexpr std::array<SkinButtonPlace, 21> kSkinButtons = {{
    {IDC_SYSMENU, {7, 7, 14, 14}, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_SYSMENU, 0, false,
     "System menu"},
    {IDC_MINIMIZE, {241, 7, 248, 14}, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_MINIMIZE, 1, false,
     "Roll up/down"},
    {IDC_EXIT, {250, 7, 257, 14}, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_EXIT, 2, false,
     "Exit Velmora"},
    {IDC_MINI_HOME, {26, 6, 36, 15}, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_HOME, 10, true,
     "Rewind to beginning"},
    {IDC_MINI_PLAY, {37, 6, 47, 15}, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_PLAY, 12, true, "Play"},
    {IDC_MINI_END, {48, 6, 58, 15}, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_END, 14, true,
     "Skip to end"},
    {IDC_MINI_STOP, {59, 6, 69, 15}, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_STOP, 15, true, "Stop"},
    {IDC_HOME, {89, 86, 105, 101}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME, 10, false,
     "Rewind to beginning"},
    {IDC_RW, {108, 86, 124, 101}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_RW, 11, false,
     "Reverse search"},
    {IDC_PLAY, {127, 86, 159, 101}, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_PLAY, 12, false, "Play"},
    {IDC_FF, {162, 86, 178, 101}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_FF, 13, false,
     "Forward search"},
    {IDC_END, {181, 86, 197, 101}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_END, 14, false, "Skip to end"},
    {IDC_STOP, {202, 86, 234, 101}, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_STOP, 15, false, "Stop"},
    {IDC_PAUSE, {237, 86, 253, 101}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_PAUSE, 16, false, "Pause"},
    {IDC_TRACKLIST, {89, 51, 121, 66}, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_TRACKLIST, 3, false,
     "Tracklist Editor"},
    {IDC_DICTIONARY, {124, 51, 156, 66}, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_DICTIONARY, 4, false,
     "Dictionary Editor"},
    {IDC_CONTINUOUS, {159, 51, 175, 66}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_CONTINUOUS, 5, false,
     "Continuous play"},
    {IDC_LOOP, {178, 51, 194, 66}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_LOOP, 6, false,
     "Looping play"},
    {IDC_RANDOM, {197, 51, 213, 66}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_RANDOM, 7, false,
     "Random play"},
    {IDC_ABOUT, {218, 51, 234, 66}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_ABOUT, 8, false,
     "About Velmora"},
    {IDC_HELP, {237, 51, 253, 66}, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HELP, 9, false, "Help!"},
}};

// Lit from the start: Stop, its small twin and the three caption buttons.
inline constexpr std::array<int, 5> kLitAtStart = {IDC_STOP, IDC_MINI_STOP, IDC_SYSMENU, IDC_MINIMIZE, IDC_EXIT};

// Tooltips of the statics; the slider has none, and the track display's tip
// is made from the current track's tags.
inline constexpr const char* kCaptionTip = "Caption bar";
inline constexpr const char* kStatusTip = "Time/Status display";
