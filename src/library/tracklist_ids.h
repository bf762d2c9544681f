#pragma once

// Identifiers of the tracklist window and its sort menu. Controls carry their
// name ("IDC_TL_PATH") as object name, so tests find them by it.
enum TracklistId : int {
  IDD_TRACKLIST = 105,
  IDC_TL_CLOSE = 2,  // the dialog's cancel command
  IDC_TL_DELETE = 1100,
  IDC_TL_SORT = 1101,
  IDC_TL_SELECT = 1102,
  IDC_TL_RESCAN = 1103,
  IDC_TL_FOCUS = 1104,
  IDC_TL_LIST = 1105,
  IDC_TL_ADD = 1106,
  IDC_TL_PATH = 1107,
  IDC_TL_SOURCE = 1108,
  IDC_TL_KIND = 1110,
  IDC_TL_ORIGIN = 1111,
  IDC_TL_GENRE = 1112,
  IDC_TL_DATE = 1113,
  IDC_TL_ARTIST = 1114,
  IDC_TL_COMMENT = 1115,

  ID_SORT_PATH = 1207,
  ID_SORT_NAME = 1208,
  ID_SORT_GENRE = 1209,
  ID_SORT_SOURCE = 1210,
  ID_SORT_ARTIST = 1211,
  ID_SORT_FULLPATH = 1213,
};
