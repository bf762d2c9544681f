// Draws every picture of the jukebox's skin into the folder named on the
// command line, at the size and colour depth its control expects: bitmaps as
// <number>.bmp, the program icon as <number>.png.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <vector>

#include "art_io.h"
#include "faces.h"
#include "glyphs.h"
#include "icon.h"
#include "panels.h"
#include "segments.h"
#include "skin_bitmap_ids.h"

namespace {

// Masks are one bit deep; the system menu glyph keeps its black and white in
// 16 colours, as does the slider thumb; the rest take 256 colours.
int DepthOf(int id) {
  switch (id) {
    case IDB_GLYPH_SYSMENU:
    case IDB_THUMB:
      return 4;
    case IDI_JUKEBOX:
      return 32;
    default:
      return 8;
  }
}

bool IsMask(int id) {
  const bool glyph = (id >= IDB_GLYPH_CONTINUOUS && id <= IDB_GLYPH_ABOUT) || id == IDB_GLYPH_MINIMIZE ||
                     id == IDB_GLYPH_EXIT || (id >= IDB_GLYPH_MINI_HOME && id <= IDB_GLYPH_MINI_END);
  const bool lamp = id == IDB_LAMP_AUD || id == IDB_LAMP_DIC || id == IDB_LAMP_TAG || id == IDB_LAMP_VID;
  const bool segment = id >= IDB_DIGIT_0_LIT && id <= IDB_DIGIT_HOLES && id != IDB_DIGIT_TILE;
  return glyph || lamp || segment || id == IDB_THUMB_MASK;
}

QImage DrawPicture(int id) {
  if (id == IDI_JUKEBOX) {
    return DrawProgramIcon();
  }
  for (auto draw : {DrawPanel, DrawFace, DrawGlyph, DrawStatusPart}) {
    QImage picture = draw(id);
    if (!picture.isNull()) {
      return picture;
    }
  }
  return {};
}

std::vector<int> ArtworkIds() {
  std::vector<int> ids{IDI_JUKEBOX};
  for (int id = IDB_TRACK_DISPLAY; id <= IDB_FACE_SMALL_PRESSED; ++id) {
    if (id != 363 && id != 365 && id != 367) {
      ids.push_back(id);
    }
  }
  return ids;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinart OUTPUT-FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "skinart: cannot create %s\n", argv[1]);
    return 1;
  }
  for (int id : ArtworkIds()) {
    const QImage picture = DrawPicture(id);
    if (picture.isNull()) {
      std::fprintf(stderr, "skinart: no picture for %d\n", id);
      return 1;
    }
    const QString path = QStringLiteral("%1/%2.%3").arg(folder).arg(id).arg(QLatin1String(SkinArtSuffix(id)));
    if (!SaveWithDepth(picture, IsMask(id) ? 1 : DepthOf(id), path)) {
      std::fprintf(stderr, "skinart: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
