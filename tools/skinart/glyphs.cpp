#include "glyphs.h"

#include "pixel_art.h"
#include "skin_bitmap_ids.h"

namespace {

constexpr int kNarrow = 16;
constexpr int kWide = 32;
constexpr int kButtonHeight = 15;
constexpr int kCaption = 7;
constexpr int kSmallWidth = 10;
constexpr int kSmallHeight = 9;

QImage Narrow(PixelRows rows) { return CentredMask(kNarrow, kButtonHeight, rows); }
QImage Wide(PixelRows rows) { return CentredMask(kWide, kButtonHeight, rows); }
QImage Small(PixelRows rows) { return CentredMask(kSmallWidth, kSmallHeight, rows); }

QImage TransportGlyph(int id) {
  switch (id) {
    case IDB_GLYPH_HOME:
      return Narrow({"##....#", "##...##", "##..###", "##.####", "##..###", "##...##", "##....#"});
    case IDB_GLYPH_RW:
      return Narrow({"...#...#", "..##..##", ".###.###", "########", ".###.###", "..##..##", "...#...#"});
    case IDB_GLYPH_FF:
      return Narrow({"#...#...", "##..##..", "###.###.", "########", "###.###.", "##..##..", "#...#..."});
    case IDB_GLYPH_END:
      return Narrow({"#....##", "##...##", "###..##", "####.##", "###..##", "##...##", "#....##"});
    case IDB_GLYPH_PAUSE:
      return Narrow({"##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##"});
    case IDB_GLYPH_PLAY:
      return Wide({"##.......", "####.....", "######...", "########.", "#########", "########.", "######...",
                   "####.....", "##......."});
    case IDB_GLYPH_STOP:
      return Wide({"########", "########", "########", "########", "########", "########", "########",
                   "########"});
    default:
      return {};
  }
}

QImage OptionGlyph(int id) {
  switch (id) {
    case IDB_GLYPH_CONTINUOUS:
      return Narrow({"........#..", "........##.", "#.#.#.#####", "........##.", "........#.."});
    case IDB_GLYPH_LOOP:
      return Narrow({".......#...", ".########..", "#......#..#", "#.........#", "#..#......#", "..########.",
                     "...#......."});
    case IDB_GLYPH_RANDOM:
      return Narrow({".........#.", "##.....####", "..#...#..#.", "...#.#.....", "..#...#..#.", "##.....####",
                     ".........#."});
    case IDB_GLYPH_TRACKLIST:
      return Wide({"##.##########", "##.##########", ".............", "##.##########", "##.##########",
                   ".............", "##.##########", "##.##########"});
    case IDB_GLYPH_DICTIONARY:
      return Wide({".#####.#####.", "#.....#.....#", "#.###.#.###.#", "#.....#.....#", "#.###.#.###.#",
                   "#.....#.....#", "#.###.#.###.#", "#.....#.....#", ".#####.#####."});
    case IDB_GLYPH_ABOUT:
      return Narrow({".##.", "....", "###.", ".##.", ".##.", ".##.", "####"});
    case IDB_GLYPH_HELP:
      return Narrow({".####.", "##..##", "....##", "...##.", "..##..", "......", "..##.."});
    default:
      return {};
  }
}

QImage CaptionGlyph(int id) {
  switch (id) {
    case IDB_GLYPH_SYSMENU:
      return CentredMask(kCaption, kCaption, {".......", ".#####.", ".......", ".#####.", ".......", ".#####.",
                                              "......."});
    case IDB_GLYPH_MINIMIZE:
      return CentredMask(kCaption, kCaption, {".......", ".......", ".......", ".......", ".#####.", ".#####.",
                                               "......."});
    case IDB_GLYPH_EXIT:
      return CentredMask(kCaption, kCaption, {".......", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.",
                                              "......."});
    default:
      return {};
  }
}

QImage SmallGlyph(int id) {
  switch (id) {
    case IDB_GLYPH_MINI_HOME:
      return Small({"#...#", "#..##", "#.###", "#..##", "#...#"});
    case IDB_GLYPH_MINI_PLAY:
      return Small({"#...", "###.", "####", "###.", "#..."});
    case IDB_GLYPH_MINI_END:
      return Small({"#...#", "##..#", "###.#", "##..#", "#...#"});
    case IDB_GLYPH_MINI_STOP:
      return Small({"####", "####", "####", "####"});
    default:
      return {};
  }
}

}  // namespace

QImage DrawGlyph(int id) {
  for (auto draw : {TransportGlyph, OptionGlyph, CaptionGlyph, SmallGlyph}) {
    QImage glyph = draw(id);
    if (!glyph.isNull()) {
      return glyph;
    }
  }
  return {};
}
