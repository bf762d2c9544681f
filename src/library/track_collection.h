#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "album_store.h"
#include "file_tags.h"
#include "file_system.h"
#include "id3v1_file.h"
#include "wave_info_file.h"

// A drop: the dropped paths in the order the platform reports them.
using DropList = std::vector<std::string>;

// Turns paths into album tracks: dropped files and folders, the lines of the
// album file, and rescans of selected tracks. Each file's texts come from its
// own tags or the mapping dictionary (see BuildEntry).
class TrackCollection : public AlbumStore {
 public:
  TrackCollection(TracklistController& controller, PlatformHooks hooks,
                  std::string albumPath = kAlbumFileName);

  // Handles a drop on the tracklist window and saves the album afterwards; 1
  // when handled. A drop that arrives while another is scanned further down
  // the call stack is held (0) and handled by that one once its own files
  // are in, in the order the drops came. Until the album file has been read,
  // the drop is held (0) for TakeHeldDrops: added before or amid the load,
  // it would be lost to it.
  int OnDropFiles(const DropList& drop);
  // The program is ending: the drop being scanned stops at its next file,
  // adds nothing more and saves nothing, and the drops held behind it are
  // forgotten. Does nothing when no drop is being scanned.
  void AbandonDrop();
  // Adds one file as a track, or every file below a folder. "." and "..",
  // paths already in the album (exact bytes), and named pipes, devices and
  // sockets add nothing; a path with a line break is left out and reported
  // at the end of the drop or load.
  void AddPath(const std::string& path) override;
  // AddPath for every entry of folder, dispatching messages between entries.
  // A folder already entered during the current scan (reached again through
  // links) is skipped. 0 when the folder cannot be listed, else 1.
  int ScanFolder(const std::string& folder);
  // The track for one file path; does not touch the album. Its texts come
  // from, in this order of precedence:
  //   a missing file: nothing is read; the name is "(N/A) " + file name;
  //   a WAVE file: its INFO tags; without a title, a dictionary record for
  //     the file name replaces them all;
  //   an MP3 file: its ID3v2 tag when that gives any text, else its ID3v1
  //     tag; without a title the name is the file name, and the dictionary
  //     is never asked;
  //   a file of a format CFileTags reads (FLAC, Ogg, Opus, MP4, ASF, APE,
  //     AIFF ...): its tags; without a title, a dictionary record for the
  //     file name replaces them all;
  //   any other file: the dictionary record, if there is one.
  // A reader that fails to close its file is reported as "!fclose()".
  MediaEntry BuildEntry(const std::string& path);
  // Rebuilds every selected track from its file, in place; the rescanned
  // list items end up unselected.
  void RescanSelected();

  // Drops that arrive before the album has been read are held here and
  // handed back, in order, once the load has ended.
  void HoldDrop(DropList drop) { m_heldDrops.push_back(std::move(drop)); }
  std::vector<DropList> TakeHeldDrops();

  std::int32_t m_nDropGate = 1;  // 1: a drop may be handled; 0: one is being handled

 private:
  void AddDropped(const DropList& drop);
  void AddDropsHeldDuringScan();
  MediaEntry BuildEntryOf(const std::string& path, bool exists);
  void ReadWaveTags(MediaEntry& entry);
  void ReadId3Tags(MediaEntry& entry, const std::string& name);
  void ReadFileTags(MediaEntry& entry);

  CWaveInfoFile m_wave;
  CId3v1File m_id3;
  CFileTags m_fileTags;
  int m_nScanDepth = 0;
  bool m_bDropAbandoned = false;
  std::set<fsys::FolderIdentity> m_enteredFolders;  // during the outermost scan
  std::vector<DropList> m_heldDrops;
};
