// The jukebox as a process against floors run in the same session:
//   start-up to the first painted main window, against a minimal Qt program
//   showing one 266 x 114 window with a line of text (target ratio <= 1.5);
//   peak resident memory idle with an empty album, against a minimal Qt
//   program holding one QMediaPlayer (target <= 1.5);
//   CPU time playing a WAVE file to its end, against GStreamer's own player
//   (gst-launch-1.0 playbin) playing the same file (target <= 1.5), both
//   into the same recording in place of a sound card (VELMORA_AUDIO_SINK
//   for the jukebox, the same elements as playbin's audio-sink).
//   app_process_bench [SECONDS_OF_AUDIO]   (default 60; 0 skips the CPU part)
// Each CPU figure is the median of three plays.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_folder.h"

namespace {

constexpr int kStartRuns = 15;
constexpr int kCpuRuns = 3;

QProcessEnvironment Offscreen() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

// Runs a program in folder and returns its standard output (empty on failure).
QString RunChild(const QString& program, const QStringList& arguments, const BenchFolder& folder,
                 double* millisecondsToFirstLine = nullptr, const QString& audioSink = QString()) {
  QProcess child;
  QProcessEnvironment environment = Offscreen();
  if (!audioSink.isEmpty()) environment.insert(QStringLiteral("VELMORA_AUDIO_SINK"), audioSink);
  // Settings of the folder's own, never the user's.
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(folder.Path()));
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(QString::fromStdString(folder.Path()));
  child.setProcessChannelMode(QProcess::SeparateChannels);
  QElapsedTimer clock;
  clock.start();
  child.start(program, arguments);
  if (millisecondsToFirstLine != nullptr) {
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    *millisecondsToFirstLine = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  }
  child.waitForFinished(600000);
  return QString::fromLocal8Bit(child.readAllStandardOutput());
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double ChildrenCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds a child spent from its start to its end.
double CpuOfChild(const QString& program, const QStringList& arguments, const BenchFolder& folder,
                  const QString& audioSink = QString()) {
  const double before = ChildrenCpuSeconds();
  RunChild(program, arguments, folder, nullptr, audioSink);
  return ChildrenCpuSeconds() - before;
}

long PeakOf(const QString& output) {
  const qsizetype at = output.indexOf(QStringLiteral("peak "));
  return at < 0 ? 0 : output.mid(at + 5).trimmed().toLong();
}

void Report(const char* what, double measured, double floor, const char* unit) {
  std::printf("%-46s %9.2f %s  floor %9.2f %s  ratio %.2f (target <= 1.50)\n", what, measured, unit, floor, unit,
              floor > 0 ? measured / floor : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const int audioSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
  const QString velmora = QStringLiteral(VELMORA_CHILD);
  const QString floorWindow = QStringLiteral(FLOOR_WINDOW);
  const QString floorMedia = QStringLiteral(FLOOR_MEDIA);

  BenchFolder empty;
  empty.Write("default.alb", "");
  empty.Write("default.dic", "");
  std::vector<double> velmoraStarts;
  std::vector<double> floorStarts;
  for (int run = 0; run < kStartRuns; ++run) {
    double ms = 0;
    RunChild(velmora, {QStringLiteral("start")}, empty, &ms);
    velmoraStarts.push_back(ms);
    RunChild(floorWindow, {}, empty, &ms);
    floorStarts.push_back(ms);
  }
  Report("start-up to the first paint (median)", Median(velmoraStarts), Median(floorStarts), "ms");

  const long velmoraPeak = PeakOf(RunChild(velmora, {QStringLiteral("idle")}, empty));
  const long floorPeak = PeakOf(RunChild(floorMedia, {}, empty));
  Report("peak resident memory, idle", static_cast<double>(velmoraPeak) / 1024.0,
         static_cast<double>(floorPeak) / 1024.0, "MiB");

  if (audioSeconds > 0) {
    BenchFolder playing;
    playing.Write("song.wav", SilentWaveBytes(audioSeconds * 1000, "Bench"));
    playing.Write("default.alb", playing.File("song.wav") + "\n");
    playing.Write("default.dic", "");
    const QString player = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (player.isEmpty()) {
      std::printf("CPU part skipped: gst-launch-1.0 is not installed\n");
      return 0;
    }
    // The recording keeps the pace of a sound card through a clocked sink
    // beside the file, as the jukebox's own recording does.
    const QString recording = QStringLiteral("wavenc ! filesink location=") +
                              QString::fromStdString(playing.File("heard.wav"));
    const QStringList playbin{
        QStringLiteral("-q"), QStringLiteral("playbin"),
        QStringLiteral("uri=file://") + QString::fromStdString(playing.File("song.wav")),
        QStringLiteral("audio-sink=tee name=t t. ! queue ! fakesink sync=true t. ! queue ! ") + recording};
    std::vector<double> velmoraCpu;
    std::vector<double> floorCpu;
    for (int run = 0; run < kCpuRuns; ++run) {
      velmoraCpu.push_back(CpuOfChild(velmora, {QStringLiteral("play")}, playing, recording));
      floorCpu.push_back(CpuOfChild(player, playbin, playing));
    }
    Report("CPU time playing the file to its end (median)", Median(velmoraCpu), Median(floorCpu), "s ");
  }
  return 0;
}
