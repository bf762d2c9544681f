#pragma once

#include "media_entry.h"

// The calls the tracklist makes into the main controller, which implements
// this interface and hands itself over when it builds the tracklist object.
class TracklistController {
 public:
  // On: the track display shows "Scanning files..." until switched off.
  virtual void SetScanning(bool on) = 0;
  // Merges the dictionary entry for entry's file name into entry; 1 on a match.
  virtual int LookUpDictionary(MediaEntry& entry) = 0;
  // Opens the album's current track and plays it if Play is lit.
  virtual void OpenCurrentTrack() = 0;

 protected:
  ~TracklistController() = default;
};
