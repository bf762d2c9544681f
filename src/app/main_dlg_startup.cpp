// Start-up, the two timers, and the two ways out: the Exit button and the end
// of the session.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTimer>
#include <QTimerEvent>
#include <ctime>

#include "main_dlg.h"
#include "playback_module.h"
#include "skin_button.h"
#include "skin_image.h"

namespace {

constexpr int kSeekPeriodMs = 1000;
constexpr int kLoadAlbumDelayMs = 500;
constexpr int kStartUpFallbackMs = 250;
// What the program returns when the user leaves through Exit.
constexpr int kExitStatusNormal = 0;

}  // namespace

int CMainDlg::OnInitDialog() {
  setWindowTitle(QStringLiteral("Velmora"));
  setAcceptDrops(true);
  // The controls' tips are asked for when they show (main_dlg_tips.cpp).
  m_nSeekTimer = startTimer(kSeekPeriodMs);
  m_random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
  LoadSettings();
  ResizeHeight(kMainHeight);
  move(m_ptMain);
  show();
  raise();
  // The skin controls exist since construction; now they take the colours.
  ApplyColor(-1);
  if (m_dictionaryDlg.LoadDictionary() == LoadResult::MustExit) {
    return 0;
  }
  // Starting the media framework takes longer than everything above, so it
  // waits for the window's first paint; a window the platform never paints
  // gets it a little later.
  m_bStartUpPending = true;
  QTimer::singleShot(kStartUpFallbackMs, this, &CMainDlg::FinishStartUp);
  return 1;
}

void CMainDlg::OnFirstPaint() {
  if (!m_bStartUpPending) {
    return;
  }
  QMetaObject::invokeMethod(this, &CMainDlg::FinishStartUp, Qt::QueuedConnection);
}

void CMainDlg::FinishStartUp() {
  if (m_bEnded || !m_bStartUpPending) {
    return;
  }
  m_bStartUpPending = false;
  // The icon of every window of the program; decoding it would have delayed
  // the first paint.
  QApplication::setWindowIcon(SkinIcon());
  CreateMciWindow();
  m_nLoadAlbumTimer = startTimer(kLoadAlbumDelayMs);
  emit startUpFinished();
}

void CMainDlg::CreateMciWindow() {
  if (!m_hMciWnd) {
    SetMciWindow(CreatePlaybackWindow(this, m_ptVideo.x(), m_ptVideo.y()));
  }
  // Only the width is set: the window takes a video's height when one opens.
  m_hMciWnd->Move(m_ptVideo.x(), m_ptVideo.y(), MciWindow::kInitialWidth, 0);
}

void CMainDlg::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_nSeekTimer) {
    OnTimer(IDT_SEEK);
  } else if (event->timerId() == m_nLoadAlbumTimer) {
    OnTimer(IDT_LOADALBUM);
  } else {
    QWidget::timerEvent(event);
  }
}

void CMainDlg::OnTimer(int timerId) {
  if (timerId == IDT_SEEK) {
    OnSeekTimer();
  } else if (timerId == IDT_LOADALBUM) {
    OnLoadAlbum();
  }
}

void CMainDlg::OnLoadAlbum() {
  // The album is read once. No drop's scan can run before it: drops are held
  // until the album is in.
  if (m_bAlbumLoaded || m_nReady == 0) {
    return;
  }
  m_nReady = 0;
  if (m_nLoadAlbumTimer != 0) {
    killTimer(m_nLoadAlbumTimer);
    m_nLoadAlbumTimer = 0;
  }
  m_tracklistDlg.SetMainDlg(this);
  // Messages are dispatched during the load: buttons and timers work, and an
  // Exit and drops are held until the album is in.
  const LoadResult result = m_tracklistDlg.LoadAlbum();
  m_nReady = 1;
  m_bAlbumLoaded = true;
  if (result == LoadResult::MustExit) {
    EndDialog(kCannotCreateExitStatus);
    return;
  }
  HandleHeldDrops();
  if (m_bExitHeld) {
    OnExit();
  }
}

void CMainDlg::HandleHeldDrops() {
  for (const DropList& drop : m_tracklistDlg.TakeHeldDrops()) {
    if (m_tracklistDlg.WindowExists()) {
      m_tracklistDlg.OnDropFiles(drop);
    } else {
      m_tracklistDlg.OpenWindow(drop);
    }
  }
}

void CMainDlg::OnExit() {
  // Leaving while the album is read would save half of it; an Exit then, from
  // the button or the desktop's Quit, is done once the load is over.
  if (m_nReady == 0) {
    m_bExitHeld = true;
    return;
  }
  // A folder still being scanned stops here: the album is saved as it
  // stands, and the scan, which runs below this call, neither goes on nor
  // saves again.
  m_tracklistDlg.AbandonDrop();
  emit leaving();
  // Closing the companion windows records where they were for the settings;
  // the dictionary window also hands over the entry it shows.
  m_tracklistDlg.CloseWindow();
  m_dictionaryDlg.DestroyWindow();
  SaveSettings();
  SaveLoadedAlbum();
  m_dictionaryDlg.SaveDictionary();
  EndDialog(kExitStatusNormal);
}

void CMainDlg::OnEndSession() {
  // Text typed into the open dictionary editor belongs to the dictionary.
  m_dictionaryDlg.StoreEntry();
  m_dictionaryDlg.SaveDictionary();
  SaveLoadedAlbum();
}

// Before the album has been read, the store holds no tracks: saving it then
// would empty "default.alb". The file on disk is still the album.
void CMainDlg::SaveLoadedAlbum() {
  if (m_bAlbumLoaded) {
    m_tracklistDlg.SaveAlbum();
  }
}

void CMainDlg::EndDialog(int result) {
  m_bEnded = true;
  killTimer(m_nSeekTimer);
  m_nSeekTimer = 0;
  if (m_hMciWnd) {
    m_hMciWnd->Stop();
    m_hMciWnd->SetVisible(false);
  }
  hide();
  emit finished(result);
}

// Only Exit ends the program: the window manager's close does nothing.
void CMainDlg::closeEvent(QCloseEvent* event) {
  if (m_bEnded) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Enter and Escape do nothing either.
void CMainDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      break;
    default:
      QWidget::keyPressEvent(event);
      break;
  }
}
