#pragma once

// Control identifiers of the main window's skin controls. The buttons' commands
// and the tooltip texts are keyed by them.
enum MainControlId : int {
  IDC_PLAY = 1001,
  IDC_DICTIONARY = 1002,
  IDC_TRACKLIST = 1003,
  IDC_PAUSE = 1004,
  IDC_STOP = 1005,
  IDC_HOME = 1006,
  IDC_RW = 1007,
  IDC_FF = 1008,
  IDC_END = 1009,
  IDC_CONTINUOUS = 1010,
  IDC_LOOP = 1011,
  IDC_RANDOM = 1012,
  IDC_ABOUT = 1013,
  IDC_HELP = 1014,
  IDC_SYSMENU = 1015,
  IDC_EXIT = 1016,
  IDC_MINIMIZE = 1017,
  IDC_MINI_HOME = 1018,
  IDC_MINI_PLAY = 1020,
  IDC_MINI_END = 1022,
  IDC_MINI_STOP = 1023,
  IDC_CAPTION = 1030,
  IDC_TRACK_DISPLAY = 1031,
  IDC_STATUS_DISPLAY = 1032,
  IDC_SLIDER = 1033,
};

// The system menu's commands.
enum MenuCommandId : int {
  ID_MENU_HELP = 1201,
  ID_MENU_COLOR = 1202,
  ID_MENU_ABOUT = 1203,
  ID_MENU_TAGDISPLAY = 1205,
  // "1x", "2x" and "3x" of the Zoom submenu, in that order.
  ID_MENU_ZOOM_1 = 1210,
  ID_MENU_ZOOM_2 = 1211,
  ID_MENU_ZOOM_3 = 1212,
};

// The main window's timers: the search step every second and the one-shot
// album load after start-up.
enum MainTimerId : int {
  IDT_SEEK = 1204,
  IDT_LOADALBUM = 1206,
};
