#pragma once

#include "track_collection.h"

class CMainDlg;

// Files handed to the jukebox from outside its windows (the command line, a
// second start in the same folder, the desktop's media controls) join the
// album as a drop on the main window would; when the tracklist window is
// open, it takes them itself, as it takes a drop on it.
void AddExternalFiles(CMainDlg& mainDlg, const DropList& files);
