#pragma once

#include <string>
#include <vector>

#include "entry_array.h"
#include "load_result.h"
#include "track_list_view.h"
#include "tracklist_controller.h"
#include "platform_hooks.h"

inline constexpr const char* kAlbumFileName = "default.alb";

// The album: the tracks in playing order, the current track, and the file
// "default.alb" that keeps one path per line. The tracklist window object owns
// it for the whole run; the window itself comes and goes (AttachView).
//
// Turning a path into tracks is the job of the derived TrackCollection, which
// LoadAlbum reaches through AddPath.
class AlbumStore {
 public:
  AlbumStore(TracklistController& controller, PlatformHooks hooks, std::string albumPath);
  virtual ~AlbumStore();
  AlbumStore(const AlbumStore&) = delete;
  AlbumStore& operator=(const AlbumStore&) = delete;

  // The controller is known from construction; this only replaces it.
  void SetMainDlg(TracklistController* mainDlg);
  int GetTrackCount() const { return m_album.GetSize(); }
  int GetCurrentIndex() const { return m_nCurrent; }
  // index is -1 or below GetTrackCount(); moves the list highlight along.
  void SetCurrentIndex(int index);
  // A copy of track index, or the default entry when index names no track.
  MediaEntry GetTrack(int index) const;
  MediaEntry GetCurrentTrack() const { return GetTrack(m_nCurrent); }
  // What stands for "no track": named "No file loaded", everything else empty.
  static MediaEntry DefaultEntry();

  // Replaces the album, and the open list with it, by the paths of the album
  // file, dispatching messages before each line. A missing file is created
  // empty.
  LoadResult LoadAlbum();
  // Rewrites the album file from the tracks; 1 when the new file is in place.
  // Until the load has read the file to its end, the save is held and done
  // when the load ends (so no line of the file is lost to an album not yet
  // read), and 0 is returned.
  int SaveAlbum();
  bool IsLoadingAlbum() const { return m_state == State::Loading; }
  // True once the album file has been read to its end.
  bool IsAlbumRead() const { return m_state == State::Read; }

  // Adds one path as a track, or every file below a folder.
  virtual void AddPath(const std::string& path) = 0;

  // The list of the tracklist window while it exists; null when closed.
  void AttachView(TrackListView* view) { m_pView = view; }
  TrackListView* View() const { return m_pView; }

  EntryArray& Album() { return m_album; }
  const EntryArray& Album() const { return m_album; }

 protected:
  void SetScanning(bool on);
  // Paths that could not become tracks because the album file cannot hold
  // them are noted during a drop or the load and reported once at its end.
  void NoteLeftOut(const std::string& path) { m_leftOut.push_back(path); }
  void ReportLeftOut();

  EntryArray m_album;
  int m_nCurrent = -1;
  TracklistController* m_pMainDlg;
  PlatformHooks m_hooks;
  TrackListView* m_pView = nullptr;

 private:
  enum class State { NotRead, Loading, Read };

  std::string m_strAlbumPath;
  State m_state = State::NotRead;
  bool m_bSaveAfterLoad = false;
  std::vector<std::string> m_leftOut;
};
