#pragma once

#include <string>

#include "media_entry.h"
#include "tag_display_dlg.h"

// The track display's tooltip: for each chosen tag, in the order artist,
// name, genre, date, comment, source, the track's text followed by " / ".
// Empty tags stay as empty pieces; no choice gives an empty text.
std::string TagTipText(const MediaEntry& track, const CTagDisplayDlg& flags);
