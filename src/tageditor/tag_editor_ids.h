#pragma once

// Resource and control identifiers of the tag editor. Controls carry their
// name ("IDC_NAME") as object name, so tests and the layout find them by it.
enum : int {
  IDM_ABOUTBOX = 16,   // the About entry of the window's context menu
  IDD_ABOUTBOX = 100,  // the About box
  IDS_ABOUTBOX = 101,  // the text of the About entry
  IDD_TAGEDITOR_DIALOG = 102,
  IDR_MAINFRAME = 128,  // the program icon

  IDC_ARTIST = 1013,
  IDC_FILENAME = 1014,
  IDC_SOURCE = 1015,
  IDC_NAME = 1016,
  IDC_GENRE = 1017,
  IDC_COMMENT = 1018,
  IDC_FORMAT = 1019,
  IDC_SAMPLERATE = 1020,
  IDC_BITSPERSAMPLE = 1021,
  IDC_CHANNELS = 1022,
  IDC_DATARATE = 1023,
  IDC_SAVE = 1024,
  IDC_CLEAR = 1025,
  IDC_EXIT = 1026,
  IDC_OPEN = 1027,
  IDC_CLOSE = 1028,
  IDC_CREATED = 1029,
  IDC_RIFFSIZE = 1032,
  IDC_RECALL = 1033,    // "<": fill the edits from the tag memory
  IDC_REMEMBER = 1034,  // ">": copy the edits into the tag memory
};
