// The floors of the start-up and memory benchmarks: the least a Qt program
// does to show one window of the jukebox's size (app_bench_floor_window), or
// to hold one media player (app_bench_floor_media, built with FLOOR_MEDIA so
// that only it loads Qt Multimedia). Run by app_process_bench.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "bench_folder.h"
#include "first_paint.h"

#ifdef FLOOR_MEDIA
#include <QAudioOutput>
#include <QMediaPlayer>
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
#ifdef FLOOR_MEDIA
  QMediaPlayer player;
  QAudioOutput output;
  player.setAudioOutput(&output);
  QTimer::singleShot(kIdleMs, [] {
    std::printf("peak %ld\n", PeakResidentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
#else
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(266, 114);
  ReportFirstPaint(&window);
  window.show();
#endif
  return QApplication::exec();
}
