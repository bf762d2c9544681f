// The floors of the start-up and memory benchmarks: the least a Qt program
// does to show one window of the jukebox's size with one line of text in the
// system font (app_bench_floor_window), or to hold one media player
// (app_bench_floor_media, built with FLOOR_MEDIA so that only it loads Qt
// Multimedia). Run by app_process_bench.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "bench_folder.h"
#include "first_paint.h"

#ifdef FLOOR_MEDIA
#include <QAudioOutput>
#include <QMediaPlayer>
#else
namespace {

// The jukebox's first paint draws its track display's text, which sets up
// the system's fonts; a floor that draws none would count that against the
// jukebox alone.
class TextWindow : public QWidget {
 public:
  TextWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setFixedSize(266, 114); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Velmora"));
  }
};

}  // namespace
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
  TextWindow window;
  ReportFirstPaint(&window);
  window.show();
#endif
  return QApplication::exec();
}
