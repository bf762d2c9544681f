#include "album_store.h"

#include <utility>

#include "line_breaks.h"
#include "text_file.h"

namespace {

constexpr const char* kCannotOpenToCreate = "Cannot open default.alb\nWill attempt to create";
constexpr const char* kCannotCreate = "Cannot create.  Exiting...";
constexpr const char* kCannotOpen = "Cannot open default.alb";
constexpr const char* kNoFileLoaded = "No file loaded";

bool IsIgnoredLine(const std::string& line) { return line.empty() || line.front() == ';'; }

}  // namespace

AlbumStore::AlbumStore(TracklistController& controller, PlatformHooks hooks, std::string albumPath)
    : m_pMainDlg(&controller), m_hooks(std::move(hooks)), m_strAlbumPath(std::move(albumPath)) {}

AlbumStore::~AlbumStore() = default;

void AlbumStore::SetMainDlg(TracklistController* mainDlg) {
  if (mainDlg != nullptr) m_pMainDlg = mainDlg;
}

void AlbumStore::SetScanning(bool on) { m_pMainDlg->SetScanning(on); }

void AlbumStore::SetCurrentIndex(int index) {
  if (m_pView != nullptr) m_pView->SetItemSelected(m_nCurrent, false);
  m_nCurrent = index;
  if (m_pView != nullptr) {
    if (index >= 0) m_pView->SetItemSelected(index, true);
    m_pView->ShowTrackInfo();
  }
}

MediaEntry AlbumStore::DefaultEntry() {
  MediaEntry entry;
  entry.m_strName = kNoFileLoaded;
  return entry;
}

MediaEntry AlbumStore::GetTrack(int index) const {
  if (index < 0 || index >= GetTrackCount()) return DefaultEntry();
  return m_album.GetAt(index);
}

LoadResult AlbumStore::LoadAlbum() {
  WaitCursorGuard wait(m_hooks);
  m_album.RemoveAll();
  LineReader reader;
  LoadResult result = LoadResult::Loaded;
  if (!reader.Open(m_strAlbumPath)) {
    m_hooks.Message(kCannotOpenToCreate);
    if (!CreateFileIfMissing(m_strAlbumPath)) {
      m_hooks.Message(kCannotCreate);
      return LoadResult::MustExit;
    }
    result = LoadResult::CreatedEmpty;
  }
  m_state = State::Loading;
  // Anything the list showed belonged to the album just emptied.
  if (m_pView != nullptr) m_pView->RemoveAllItems();
  SetScanning(true);
  std::string line;
  while (reader.ReadLine(line)) {
    // Handlers run here; they may change the album but never the file being
    // read (saves are held until the load ends).
    m_hooks.Pump();
    if (!IsIgnoredLine(line)) AddPath(line);
  }
  reader.Close();
  SetScanning(false);
  m_state = State::Read;
  ReportLeftOut();
  if (m_bSaveAfterLoad) {
    m_bSaveAfterLoad = false;
    SaveAlbum();
  }
  return result;
}

void AlbumStore::ReportLeftOut() {
  if (m_leftOut.empty()) return;
  m_hooks.Message(LeftOutMessage(kAlbumFileName, m_leftOut));
  m_leftOut.clear();
}

int AlbumStore::SaveAlbum() {
  if (m_state != State::Read) {
    m_bSaveAfterLoad = true;
    return 0;
  }
  const int count = GetTrackCount();
  WaitCursorGuard wait(m_hooks);
  AtomicFileWriter writer;
  if (writer.Open(m_strAlbumPath)) {
    for (int i = 0; i < count; ++i) writer.WriteLine(m_album.At(i).m_strFile);
    if (writer.Commit()) return 1;
  }
  m_hooks.Message(kCannotOpen);
  return 0;
}
