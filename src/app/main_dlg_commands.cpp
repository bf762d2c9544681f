// The main window's commands: what each skin button does, the companion
// windows, dropped files and the calls the tracklist makes back.
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>

#include "main_dlg.h"
#include "screen_text.h"

namespace {

// The local files of a drag, in the order the desktop lists them.
DropList LocalPaths(const QMimeData* mime) {
  DropList paths;
  if (mime == nullptr || !mime->hasUrls()) {
    return paths;
  }
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) {
      paths.push_back(PathBytes(url.toLocalFile()));
    }
  }
  return paths;
}

bool IsTransport(int id) {
  switch (id) {
    case IDC_PLAY:
    case IDC_MINI_PLAY:
    case IDC_STOP:
    case IDC_MINI_STOP:
    case IDC_PAUSE:
    case IDC_HOME:
    case IDC_MINI_HOME:
    case IDC_RW:
    case IDC_FF:
    case IDC_END:
    case IDC_MINI_END:
      return true;
    default:
      return false;
  }
}

}  // namespace

void CMainDlg::OnCommand(int id) {
  // A click that beats the playback window's creation finds nothing to drive.
  if (IsTransport(id) && !m_hMciWnd) {
    return;
  }
  switch (id) {
    case IDC_PLAY:
    case IDC_MINI_PLAY:
      OnPlay();
      break;
    case IDC_STOP:
    case IDC_MINI_STOP:
      OnStop();
      break;
    case IDC_PAUSE:
      OnPause();
      break;
    case IDC_HOME:
    case IDC_MINI_HOME:
      OnHome();
      break;
    case IDC_RW:
      OnReverseSearch();
      break;
    case IDC_FF:
      OnForwardSearch();
      break;
    case IDC_END:
    case IDC_MINI_END:
      OnEnd();
      break;
    case IDC_CONTINUOUS:
    case IDC_LOOP:
    case IDC_RANDOM:
      ToggleMode(id);
      break;
    case IDC_TRACKLIST:
      OpenTracklist({});
      break;
    case IDC_DICTIONARY:
      OpenDictionary();
      break;
    case IDC_EXIT:
      OnExit();
      break;
    case IDC_MINIMIZE:
      OnMinimize();
      break;
    case IDC_SYSMENU:
      ShowSystemMenu(QCursor::pos());
      break;
    case ID_MENU_COLOR:
      OnColorSettings();
      break;
    case ID_MENU_TAGDISPLAY:
      OnTagDisplay();
      break;
    case ID_MENU_ZOOM_1:
    case ID_MENU_ZOOM_2:
    case ID_MENU_ZOOM_3:
      m_nChosenZoom = kMinZoom + id - ID_MENU_ZOOM_1;
      SetZoom(m_nChosenZoom);
      break;
    case ID_MENU_ABOUT:
    case IDC_ABOUT:
      OnAbout();
      break;
    case ID_MENU_HELP:
    case IDC_HELP:
      OnHelp();
      break;
    default:
      break;
  }
}

void CMainDlg::OpenTracklist(const DropList& pendingDrop) {
  if (!m_tracklistDlg.WindowExists()) {
    m_tracklistDlg.OpenWindow(pendingDrop);
  }
}

void CMainDlg::OpenDictionary() {
  if (!m_dictionaryDlg.WindowExists()) {
    m_dictionaryDlg.OpenWindow();
  }
}

void CMainDlg::OnDropFiles(const DropList& drop) {
  if (drop.empty()) {
    return;
  }
  // Before the album is read, a drop would be saved over the album file;
  // it waits for the load like one that arrives during it, and is handled
  // after the load whether the tracklist window is open then or not.
  if (!m_bAlbumLoaded) {
    m_tracklistDlg.HoldDrop(drop);
    return;
  }
  // The drag source has already been told the files were taken: with the
  // tracklist window open they go to it as if dropped on it, else it opens
  // for them.
  if (m_tracklistDlg.WindowExists()) {
    m_tracklistDlg.OnDropFiles(drop);
    return;
  }
  OpenTracklist(drop);
}

void CMainDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalPaths(event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

void CMainDlg::dropEvent(QDropEvent* event) {
  const DropList drop = LocalPaths(event->mimeData());
  if (drop.empty()) {
    return;
  }
  event->acceptProposedAction();
  // Handled once the drop has ended: a long scan must not hold up the
  // program the files came from.
  QMetaObject::invokeMethod(this, [this, drop] { OnDropFiles(drop); }, Qt::QueuedConnection);
}

void CMainDlg::SetScanning(bool on) { m_trackDisplay->SetScanning(on ? 1 : 0); }

int CMainDlg::LookUpDictionary(MediaEntry& entry) { return m_dictionaryDlg.Lookup(entry); }
