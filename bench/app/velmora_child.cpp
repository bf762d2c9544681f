// The jukebox as the benchmarks run it: started as the program starts, in
// the current folder, and then either timed to its first paint, left idle
// for its peak memory, made to play one file to its end for its CPU time, or
// made to play its album through once in Continuous play.
//   app_bench_velmora start | idle | play | album | album-opened
// "album-opened" opens each track after the end of the one before, as the
// jukebox did before it joined sound tracks, and prints for each track that
// follows another the time from the end of the one before until the new one
// plays ("gap 312.5"); "album" prints for each joined track how far into it
// the displays switched to it ("switch 12").
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "bench_folder.h"
#include "first_paint.h"
#include "folder_jukebox.h"
#include "font_warm_up.h"
#include "jukebox_app.h"
#include "main_dlg.h"
#include "playback_module.h"
#include "qt_profile_store.h"
#include "skin_button.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Reports its CPU time when the medium it plays reaches its end, which the
// playback window notifies as a position equal to the length.
class CPlayingMainDlg : public CMainDlg {
 public:
  void OnNotifyPos(int positionMs) override {
    CMainDlg::OnNotifyPos(positionMs);
    if (m_bPlaying && positionMs > 0 && positionMs == GetMciWindow()->GetLength()) {
      std::printf("cpu %.3f\n", CpuSeconds());
      std::fflush(stdout);
      QCoreApplication::exit(0);
    }
  }

  // Plays the album's first track with Continuous off.
  void PlayFirstTrack() {
    OnCommand(IDC_CONTINUOUS);
    OnCommand(IDC_PLAY);
    TracklistDlg().SetCurrentIndex(0);
    OpenCurrentTrack();
    m_bPlaying = true;
  }

 private:
  bool m_bPlaying = false;
};

// The playback window as it was before sound tracks were joined: every
// medium is opened as any medium, and nothing is joined.
class OpenedOnlyWindow : public MciWindow {
 public:
  explicit OpenedOnlyWindow(std::unique_ptr<MciWindow> real) : m_real(std::move(real)) {}
  int Open(const std::string& path) override { return m_real->Open(path); }
  void SetTimeFormatMs() override { m_real->SetTimeFormatMs(); }
  int GetLength() const override { return m_real->GetLength(); }
  int GetPosition() const override { return m_real->GetPosition(); }
  void Play() override { m_real->Play(); }
  void Pause() override { m_real->Pause(); }
  void Resume() override { m_real->Resume(); }
  void Stop() override { m_real->Stop(); }
  void Seek(int positionMs) override { m_real->Seek(positionMs); }
  void SetVisible(bool visible) override { m_real->SetVisible(visible); }
  void Move(int x, int y, int width, int height) override { m_real->Move(x, y, width, height); }
  WindowPos GetWindowPos() const override { return m_real->GetWindowPos(); }
  void SetPositionListener(MciPositionListener* listener) override { m_real->SetPositionListener(listener); }

 private:
  std::unique_ptr<MciWindow> m_real;
};

// Plays the album once from its first track in Continuous play and ends the
// program after the last. Every 2 ms it looks at the playback window: the
// time from a track's end until the next one's position moves is a gap.
class AlbumWatch : public QObject {
 public:
  explicit AlbumWatch(CMainDlg& dlg) : m_dlg(dlg) {
    m_clock.start();
    m_timer.setInterval(2);
    connect(&m_timer, &QTimer::timeout, this, [this] { Look(); });
  }
  void Start() {
    if (!m_dlg.Button(IDC_CONTINUOUS)->GetLit()) m_dlg.OnCommand(IDC_CONTINUOUS);
    if (m_dlg.Button(IDC_LOOP)->GetLit()) m_dlg.OnCommand(IDC_LOOP);
    if (m_dlg.Button(IDC_RANDOM)->GetLit()) m_dlg.OnCommand(IDC_RANDOM);
    m_dlg.SetStopAtAlbumEnd(true);
    m_dlg.OnCommand(IDC_PLAY);
    m_dlg.TracklistDlg().SetCurrentIndex(0);
    m_dlg.OpenCurrentTrack();
    m_timer.start();
  }

 private:
  void Look() {
    const MciWindow* mci = m_dlg.GetMciWindow();
    const int index = m_dlg.TracklistDlg().GetCurrentIndex();
    const int length = mci->GetLength();
    const int position = mci->GetPosition();
    const double now = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
    // How far into a joined track it was when the displays switched to it.
    if (index != m_nShownTrack) {
      if (m_nShownTrack >= 0 && m_nEndedTrack < 0) std::printf("switch %d\n", position);
      m_nShownTrack = index;
    }
    if (m_nEndedTrack < 0 && length > 0 && position == length) {
      m_nEndedTrack = index;
      m_endedAt = now;
      if (index == m_dlg.TracklistDlg().GetTrackCount() - 1) {
        std::printf("done\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
      }
    } else if (m_nEndedTrack >= 0 && index != m_nEndedTrack && position > 0 && position < length) {
      std::printf("gap %.1f\n", now - m_endedAt);
      m_nEndedTrack = -1;
    }
  }

  CMainDlg& m_dlg;
  QElapsedTimer m_clock;
  QTimer m_timer;
  int m_nShownTrack = -1;
  int m_nEndedTrack = -1;  // the track whose end was seen, until the next plays
  double m_endedAt = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "start";
  // Started as the program starts (jukebox_app.cpp), with its settings read
  // from the folder's own configuration (the bench sets XDG_CONFIG_HOME).
  CFontWarmUp fonts;
  QApplication application(argc, argv);
  CJukeboxApp::SetUpApplication();
  // The folder's name on the session bus is asked for while the window is
  // built, as the program does.
  CFolderJukebox folder(QDir::currentPath());
  folder.StartClaim();
  CPlayingMainDlg mainDlg;
  mainDlg.SetProfileStore(std::make_unique<QtProfileStore>());
  if (!folder.Claimed()) {
    fonts.Finish();
    return 1;
  }
  if (std::strcmp(mode, "start") == 0) {
    ReportFirstPaint(&mainDlg);
  }
  if (std::strcmp(mode, "album-opened") == 0) {
    mainDlg.SetMciWindow(std::make_unique<OpenedOnlyWindow>(CreatePlaybackWindow(&mainDlg, 0, 0)));
  }
  if (!mainDlg.OnInitDialog()) {
    fonts.Finish();
    return 1;
  }
  if (std::strcmp(mode, "idle") == 0) {
    QTimer::singleShot(kIdleMs, [] {
      std::printf("peak %ld\n", PeakResidentKiB());
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  } else if (std::strcmp(mode, "play") == 0) {
    // After the album has been loaded.
    QTimer::singleShot(1000, [&mainDlg] { mainDlg.PlayFirstTrack(); });
  }
  AlbumWatch album(mainDlg);
  if (std::strncmp(mode, "album", 5) == 0) {
    QTimer::singleShot(1000, [&album] { album.Start(); });
  }
  fonts.Finish();
  return QApplication::exec();
}
