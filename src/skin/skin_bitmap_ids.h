#pragma once

// Resource numbers of the skin bitmaps. The main window holds the backgrounds,
// caption bars and slider; the buttons, the status display and the track
// display load their own. Masks are white on their shape and black elsewhere.
enum SkinBitmapId : int {
  IDB_TRACK_DISPLAY = 301,    // 238 x 16, track display background
  IDB_CAPTION_ACTIVE = 302,   // 223 x 9
  IDB_STATUS_DISPLAY = 303,   // 73 x 50, status display background
  IDB_BACKGROUND_ROLLED = 304,  // 266 x 23
  IDB_BACKGROUND = 305,       // 266 x 114
  IDB_SLIDER = 306,           // 164 x 10, slider track
  IDB_CAPTION_INACTIVE = 307,  // 223 x 9

  // Glyph masks of the main buttons: 16 x 15 narrow, 32 x 15 wide.
  IDB_GLYPH_CONTINUOUS = 308,
  IDB_GLYPH_DICTIONARY = 309,  // wide
  IDB_GLYPH_END = 310,
  IDB_GLYPH_FF = 311,
  IDB_GLYPH_HELP = 312,
  IDB_GLYPH_HOME = 313,
  IDB_GLYPH_LOOP = 314,
  IDB_GLYPH_PAUSE = 315,
  IDB_GLYPH_PLAY = 316,       // wide
  IDB_GLYPH_TRACKLIST = 317,  // wide
  IDB_GLYPH_RANDOM = 318,
  IDB_GLYPH_RW = 319,
  IDB_GLYPH_STOP = 320,       // wide
  IDB_GLYPH_ABOUT = 321,

  IDB_FACE_NARROW = 322,          // 16 x 15
  IDB_FACE_WIDE = 323,            // 32 x 15
  IDB_FACE_NARROW_PRESSED = 324,  // 16 x 15
  IDB_FACE_WIDE_PRESSED = 325,    // 32 x 15

  // The three 7 x 7 caption buttons.
  IDB_FACE_CAPTION_PRESSED = 326,
  IDB_GLYPH_SYSMENU = 327,  // 16 colours holding only black and white
  IDB_GLYPH_MINIMIZE = 328,
  IDB_GLYPH_EXIT = 329,
  IDB_FACE_CAPTION = 330,

  // Status display lamps, 12 x 12, sharing one tile.
  IDB_LAMP_AUD = 331,
  IDB_LAMP_DIC = 332,
  IDB_LAMP_TAG = 333,
  IDB_LAMP_TILE = 334,
  IDB_LAMP_VID = 335,

  IDB_THUMB = 336,       // 20 x 10, 16 colours
  IDB_THUMB_MASK = 337,  // 20 x 10

  IDB_SEPARATOR_TILE = 338,  // 3 x 23
  IDB_DIGIT_0_LIT = 339,     // lit masks of digit d at 339 + 2d, 12 x 23
  IDB_DIGIT_TILE = 358,      // 12 x 23
  IDB_SEPARATOR_MASK = 359,  // 3 x 23, two dots
  IDB_DIGIT_0_UNLIT = 360,   // unlit masks of digits 1-9 at 338 + 2d
  IDB_DIGIT_HOLES = 361,     // black on all seven segments

  // The four small transport buttons of the rolled-up window, 10 x 9.
  IDB_FACE_SMALL = 362,
  IDB_GLYPH_MINI_HOME = 364,
  IDB_GLYPH_MINI_PLAY = 366,
  IDB_GLYPH_MINI_STOP = 368,
  IDB_GLYPH_MINI_END = 369,
  IDB_FACE_SMALL_PRESSED = 370,
};

// The program icon of the jukebox, drawn with the skin.
inline constexpr int IDI_JUKEBOX = 102;

// How a picture of the artwork is stored: the icon, which has an alpha
// channel, as "png"; every bitmap as an uncompressed "bmp".
constexpr const char* SkinArtSuffix(int id) { return id == IDI_JUKEBOX ? "png" : "bmp"; }

// Masks of a digit 0-9; any other value has the masks of 0.
constexpr int DigitLitMaskId(unsigned digit) { return digit <= 9 ? IDB_DIGIT_0_LIT + 2 * static_cast<int>(digit) : IDB_DIGIT_0_LIT; }
constexpr int DigitUnlitMaskId(unsigned digit) {
  return digit >= 1 && digit <= 9 ? IDB_DIGIT_0_LIT - 1 + 2 * static_cast<int>(digit) : IDB_DIGIT_0_UNLIT;
}
