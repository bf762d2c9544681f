#include "tracklist_layout.h"

#include "tracklist_ids.h"

namespace tracklist_layout {

namespace {
constexpr ControlKind F = ControlKind::Field;
constexpr ControlKind B = ControlKind::Button;

QRect Sized(const QRect& current, int width, int height) {
  return QRect(current.topLeft(), QSize(width, height));
}
QRect Moved(const QRect& current, int x, int y) { return QRect(QPoint(x, y), current.size()); }
}  // namespace

const std::array<ControlTemplate, 16> kControls = {{
    {IDC_TL_PATH, "IDC_TL_PATH", F, "Path", false, 2, 2, 173, 10},
    {IDC_TL_ARTIST, "IDC_TL_ARTIST", F, "Artist", false, 2, 13, 99, 10},
    {IDC_TL_GENRE, "IDC_TL_GENRE", F, "Genre", true, 104, 13, 71, 10},
    {IDC_TL_SOURCE, "IDC_TL_SOURCE", F, "Source", false, 2, 24, 99, 10},
    {IDC_TL_DATE, "IDC_TL_DATE", F, "Date", true, 104, 24, 31, 10},
    {IDC_TL_KIND, "IDC_TL_KIND", F, "", true, 137, 24, 18, 10},
    {IDC_TL_ORIGIN, "IDC_TL_ORIGIN", F, "", true, 157, 24, 18, 10},
    {IDC_TL_COMMENT, "IDC_TL_COMMENT", F, "Comment", false, 2, 35, 173, 10},
    {IDC_TL_LIST, "IDC_TL_LIST", ControlKind::List, "", false, 2, 47, 173, 161},
    {IDC_TL_SELECT, "IDC_TL_SELECT", B, "Select", false, 2, 211, 30, 10},
    {IDC_TL_FOCUS, "IDC_TL_FOCUS", B, "Focus", false, 35, 211, 30, 10},
    {IDC_TL_SORT, "IDC_TL_SORT", B, "Sort", false, 69, 211, 30, 10},
    {IDC_TL_ADD, "IDC_TL_ADD", B, "Add", false, 2, 224, 30, 10},
    {IDC_TL_DELETE, "IDC_TL_DELETE", B, "Delete", false, 35, 224, 30, 10},
    {IDC_TL_RESCAN, "IDC_TL_RESCAN", B, "Rescan", false, 69, 224, 30, 10},
    {IDC_TL_CLOSE, "IDC_TL_CLOSE", B, "Close", false, 145, 224, 30, 10},
}};

QRect PlaceControl(int id, const QRect& current, int cx, int cy) {
  switch (id) {
    case IDC_TL_PATH:
    case IDC_TL_COMMENT: return Sized(current, cx - 6, 16);
    case IDC_TL_ARTIST:
    case IDC_TL_SOURCE: return Sized(current, cx - 116, 16);
    case IDC_TL_GENRE: return Moved(current, cx - 110, 21);
    case IDC_TL_DATE: return Moved(current, cx - 110, 39);
    case IDC_TL_KIND: return Moved(current, cx - 60, 39);
    case IDC_TL_ORIGIN: return Moved(current, cx - 30, 39);
    case IDC_TL_SELECT: return Moved(current, 3, cy - 41);
    case IDC_TL_FOCUS: return Moved(current, 53, cy - 41);
    case IDC_TL_SORT: return Moved(current, 103, cy - 41);
    case IDC_TL_ADD: return Moved(current, 3, cy - 20);
    case IDC_TL_DELETE: return Moved(current, 53, cy - 20);
    case IDC_TL_RESCAN: return Moved(current, 103, cy - 20);
    case IDC_TL_CLOSE: return Moved(current, cx - 48, cy - 20);
    case IDC_TL_LIST: return Sized(current, cx - 6, cy - 122);
    default: return current;
  }
}

}  // namespace tracklist_layout
