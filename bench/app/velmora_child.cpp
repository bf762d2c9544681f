// The jukebox as the benchmarks run it: started as the program starts, in
// the current folder, and then either timed to its first paint, left idle
// for its peak memory, or made to play one file to its end for its CPU time.
//   app_bench_velmora start | idle | play
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "bench_folder.h"
#include "first_paint.h"
#include "folder_jukebox.h"
#include "font_warm_up.h"
#include "jukebox_app.h"
#include "main_dlg.h"
#include "qt_profile_store.h"

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
  fonts.Finish();
  return QApplication::exec();
}
