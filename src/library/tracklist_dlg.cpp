#include "tracklist_dlg.h"

#include <QFileDialog>

#include "entry_removal.h"
#include "entry_sort.h"
#include "line_breaks.h"
#include "list_selection.h"
#include "screen_text.h"
#include "tracklist_ids.h"
#include "tracklist_layout.h"
#include "tracklist_window.h"
#include "wait_cursor.h"
#include "window_support.h"

namespace {

const QPoint kDefaultWindowPos{10, 10};

AlbumSortKey SortKeyOf(int command) {
  switch (command) {
    case ID_SORT_PATH: return AlbumSortKey::Path;
    case ID_SORT_NAME: return AlbumSortKey::Name;
    case ID_SORT_GENRE: return AlbumSortKey::Genre;
    case ID_SORT_SOURCE: return AlbumSortKey::Source;
    case ID_SORT_ARTIST: return AlbumSortKey::Artist;
    default: return AlbumSortKey::FullPath;
  }
}

QStringList DefaultFileChooser(QWidget* parent) {
  // All files, as many as the user picks; no filter, no default name.
  return QFileDialog::getOpenFileNames(parent);
}

// The fixed tooltips of the buttons and indicators.
QString FixedToolTip(int id) {
  switch (id) {
    case IDC_TL_CLOSE: return QStringLiteral("Close window");
    case IDC_TL_DELETE: return QStringLiteral("Delete from list");
    case IDC_TL_SORT: return QStringLiteral("Filepath sort");
    case IDC_TL_SELECT: return QStringLiteral("Select track for playback");
    case IDC_TL_RESCAN: return QStringLiteral("Rescan selected tracks");
    case IDC_TL_FOCUS: return QStringLiteral("Find currently active track");
    case IDC_TL_ADD: return QStringLiteral("Add to list");
    case IDC_TL_KIND: return QStringLiteral("A/V");
    case IDC_TL_ORIGIN: return QStringLiteral("Mapping");
    default: return QString();
  }
}

// The caret track's text shown as the tooltip of a field or the list.
const std::string* TrackToolTip(const MediaEntry& track, int id) {
  switch (id) {
    case IDC_TL_LIST: return &track.m_strName;
    case IDC_TL_PATH: return &track.m_strFile;
    case IDC_TL_SOURCE: return &track.m_strSource;
    case IDC_TL_GENRE: return &track.m_strGenre;
    case IDC_TL_DATE: return &track.m_strDate;
    case IDC_TL_ARTIST: return &track.m_strArtist;
    case IDC_TL_COMMENT: return &track.m_strComment;
    default: return nullptr;
  }
}

}  // namespace

CTracklistDlg::CTracklistDlg(TracklistController* mainDlg, QWidget* parent, std::string albumPath)
    : TrackCollection(*mainDlg, MakeHooks(this), std::move(albumPath)),
      m_pParent(parent),
      m_fileChooser(DefaultFileChooser) {}

CTracklistDlg::~CTracklistDlg() {
  AttachView(nullptr);
  delete m_pWindow.data();
}

PlatformHooks CTracklistDlg::MakeHooks(CTracklistDlg* self) {
  return QtPlatformHooks([self] { return self->MessageParent(); });
}

QWidget* CTracklistDlg::MessageParent() const {
  return m_pWindow != nullptr ? static_cast<QWidget*>(m_pWindow.data()) : m_pParent;
}

void CTracklistDlg::SetWindowRect(const QRect& rect) {
  m_ptWindow = rect.topLeft();
  m_sizeWindow = rect.size();
}

void CTracklistDlg::SetFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

void CTracklistDlg::OpenWindow(const DropList& pendingDrop) {
  if (WindowExists()) return;
  m_pWindow = new CTracklistWindow(*this, m_pParent);
  m_pWindow->move(PlaceOnSomeScreen(GetWindowRect(), kDefaultWindowPos));
  m_pWindow->resize(m_sizeWindow);
  TrackListView* view = m_pWindow;
  AttachView(view);
  // The window also goes when its parent does; the album must not keep it.
  connect(m_pWindow, &QObject::destroyed, this, [this, view] {
    if (View() == view) AttachView(nullptr);
  });
  FillList();
  if (m_nCurrent >= 0) m_pWindow->SetItemSelected(m_nCurrent, true);
  ShowTrackInfo();
  m_pWindow->show();
  m_pWindow->raise();
  if (!pendingDrop.empty()) OnDropFiles(pendingDrop);
}

void CTracklistDlg::CloseWindow() {
  if (!WindowExists()) return;
  CTracklistWindow* window = m_pWindow;
  // The same two things move() and resize() take when it opens again.
  SetWindowRect(QRect(window->pos(), window->size()));
  AttachView(nullptr);
  m_pWindow = nullptr;
  window->hide();
  // Not deleted here: the close may come from one of the window's own handlers.
  window->deleteLater();
}

void CTracklistDlg::FillList() {
  if (!WindowExists()) return;
  std::vector<QString> names;
  names.reserve(static_cast<std::size_t>(GetTrackCount()));
  for (int i = 0; i < GetTrackCount(); ++i) names.push_back(ScreenText(m_album.At(i).m_strName));
  m_pWindow->SetItems(std::move(names));
}

void CTracklistDlg::ShowTrackInfo() {
  if (WindowExists()) m_pWindow->ShowTrackInfo();
}

void CTracklistDlg::ClearSelection() {
  if (WindowExists()) m_pWindow->SetItemSelected(-1, false);
}

void CTracklistDlg::OnSelect() {
  if (!WindowExists()) return;
  m_nCurrent = m_pWindow->CaretIndex();
  m_pMainDlg->OpenCurrentTrack();
}

void CTracklistDlg::OnFocus() {
  if (!WindowExists()) return;
  ClearSelection();
  if (m_nCurrent >= 0) m_pWindow->SetItemSelected(m_nCurrent, true);
  ShowTrackInfo();
}

int CTracklistDlg::FindTrack(const std::string& path) const {
  return path.empty() ? -1 : m_album.FindFile(path);
}

void CTracklistDlg::OnSortCommand(int command) {
  if (!WindowExists()) return;
  const std::string current = GetCurrentTrack().m_strFile;
  // Unselecting first spares the list carrying a selection it then drops.
  ClearSelection();
  SortAlbum(command);
  const int found = FindTrack(current);
  if (found >= 0) {
    SetCurrentIndex(found);
  } else {
    SaveAlbum();
  }
}

void CTracklistDlg::SortAlbum(int command) {
  if (!WindowExists() || GetTrackCount() == 0) return;
  CWaitCursor wait;
  const std::vector<int> order = AlbumSortOrder(m_album, SortKeyOf(command));
  if (IsIdentityOrder(order)) return;
  ApplyOrder(m_album, order);
  // The lines move with their tracks in one update; their texts are kept.
  m_pWindow->ReorderItems(order);
}

void CTracklistDlg::OnAdd() {
  if (!WindowExists()) return;
  DropList chosen;
  std::vector<std::string> leftOut;
  for (const QString& file : m_fileChooser(m_pWindow)) {
    const std::string path = PathBytes(file);
    (HasLineBreak(path) ? leftOut : chosen).push_back(path);
  }
  if (!leftOut.empty()) m_hooks.Message(LeftOutMessage(kAlbumFileName, leftOut));
  // Added before the album has been read, the tracks would be emptied out by
  // the load; they wait with the drops.
  if (!IsAlbumRead()) {
    if (!chosen.empty()) HoldDrop(chosen);
    return;
  }
  for (const std::string& path : chosen) AddPath(path);
}

void CTracklistDlg::OnDelete() {
  if (!WindowExists()) return;
  const std::string current = GetCurrentTrack().m_strFile;
  RemoveSelected();
  ClearSelection();
  SaveAlbum();
  SetCurrentIndex(FindTrack(current));
}

void CTracklistDlg::RemoveSelected() {
  if (!WindowExists()) return;
  const std::vector<int> selected = m_pWindow->SelectedIndexes();
  if (selected.empty()) return;
  m_pWindow->RemoveItems(selected);
  RemoveIndexes(m_album, selected);
  if (GetTrackCount() == 0) return;
  // The line after the removed ones, or the last line when they were at the end.
  const int first = selected.front();
  m_pWindow->SetItemSelected(first < GetTrackCount() ? first : first - 1, true);
}

QString CTracklistDlg::ToolTipText(int controlId) const {
  if (!WindowExists() || m_pWindow->CaretIndex() < 0) return QString();
  const MediaEntry track = GetTrack(m_pWindow->CaretIndex());
  const std::string* text = TrackToolTip(track, controlId);
  return text != nullptr ? ScreenText(*text) : FixedToolTip(controlId);
}

bool CTracklistDlg::WindowExists() const { return m_pWindow != nullptr; }
CTracklistWindow* CTracklistDlg::Window() const { return m_pWindow; }
