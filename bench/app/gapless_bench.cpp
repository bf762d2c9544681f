// What is heard between the tracks of an album played in Continuous play.
// Albums of three 2-second tones of different frequencies (sox writes them)
// are played by the jukebox into a recording that replaces the audio output
// (VELMORA_AUDIO_SINK); the recording is held against the tracks decoded one
// by one by GStreamer's own decoders:
//   - the silence inside the album, in sample frames (target 0; at most
//     20 ms where the sample rate changes);
//   - for tracks of one format, whether the recording equals the decoded
//     tracks one after the other, sample for sample.
// MP3 is the exception: sox writes no note of the encoder's delay and padding
// into the file, so each decoded track holds that silence itself, and it is
// heard at each join; the gap counts only silence beyond the tracks' own.
// Also how far into each joined track the displays switched to it (target
// 100 ms at most). Beside it, the gap of the same album through the playback window as it was
// before tracks were joined: each track opened after the end of the one
// before (milliseconds from the end of a track until the next one plays).
//   app_gapless_bench
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_folder.h"

namespace {

using Samples = std::vector<std::int16_t>;
constexpr double kToneSeconds = 2.0;
constexpr int kFrequencies[] = {440, 660, 880};
// A frame this close to 0 on both channels, in a run of at least
// kSilentRun frames, is silence; the tones never stay so low that long.
constexpr int kSilentLevel = 2;
constexpr int kSilentRun = 3;

struct Album {
  const char* name;
  const char* extension;
  std::vector<int> rates;  // of the three tracks
};

// Raw 16-bit stereo at `rate`, as the recording and the decoding both write.
std::string RawCaps(int rate) {
  return "audioconvert dithering=none noise-shaping=none ! audioresample ! audio/x-raw,format=S16LE,channels=2,rate=" +
         std::to_string(rate);
}

bool Run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
         const std::string& folder, QString* output = nullptr) {
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(QString::fromStdString(folder));
  child.start(program, arguments);
  if (!child.waitForFinished(60000)) child.kill();
  child.waitForFinished();
  if (output != nullptr) *output = QString::fromLocal8Bit(child.readAllStandardOutput());
  return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

Samples ReadRaw(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  Samples samples(static_cast<std::size_t>(bytes.size()) / 2);
  std::copy_n(reinterpret_cast<const std::int16_t*>(bytes.constData()), samples.size(), samples.data());
  return samples;
}

bool SilentFrame(const Samples& samples, std::size_t frame) {
  return std::abs(samples[2 * frame]) <= kSilentLevel && std::abs(samples[2 * frame + 1]) <= kSilentLevel;
}

// The frames from the first that sounds to the last that sounds.
Samples WithoutOuterSilence(const Samples& samples) {
  const std::size_t frames = samples.size() / 2;
  std::size_t first = 0;
  while (first < frames && SilentFrame(samples, first)) ++first;
  std::size_t end = frames;
  while (end > first && SilentFrame(samples, end - 1)) --end;
  return Samples(samples.begin() + static_cast<std::ptrdiff_t>(2 * first),
                 samples.begin() + static_cast<std::ptrdiff_t>(2 * end));
}

// Frames in runs of silence of at least kSilentRun frames.
long SilentFrames(const Samples& samples) {
  long total = 0;
  long run = 0;
  for (std::size_t frame = 0; frame < samples.size() / 2; ++frame) {
    run = SilentFrame(samples, frame) ? run + 1 : 0;
    if (run == kSilentRun) total += kSilentRun;
    if (run > kSilentRun) ++total;
  }
  return total;
}

QProcessEnvironment Offscreen() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

void Measure(const Album& album, const QString& velmora, const QString& gstLaunch) {
  BenchFolder folder;
  const int rate = album.rates.back();
  std::string albumText;
  Samples decoded;
  for (std::size_t i = 0; i < album.rates.size(); ++i) {
    const std::string track = folder.File("t" + std::to_string(i) + "." + album.extension);
    const std::string command = "sox -n -r " + std::to_string(album.rates[i]) + " -b 16 -c 2 '" + track + "' synth " +
                                std::to_string(kToneSeconds) + " sine " + std::to_string(kFrequencies[i]) +
                                " vol 0.5";
    if (std::system(command.c_str()) != 0) {
      std::printf("%-34s skipped: sox cannot write it\n", album.name);
      return;
    }
    albumText += track + "\n";
    const std::string raw = track + ".raw";
    Run(gstLaunch,
        QProcess::splitCommand(QString::fromStdString("-q filesrc location=" + track + " ! decodebin ! " +
                                                      RawCaps(rate) + " ! filesink location=" + raw)),
        Offscreen(), folder.Path());
    const Samples part = ReadRaw(raw);
    decoded.insert(decoded.end(), part.begin(), part.end());
  }
  folder.Write("default.alb", albumText);
  folder.Write("default.dic", "");

  QProcessEnvironment environment = Offscreen();
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(folder.Path()));
  QProcessEnvironment recorded = environment;
  recorded.insert(QStringLiteral("VELMORA_AUDIO_SINK"),
                  QString::fromStdString(RawCaps(rate) + " ! filesink location=" + folder.File("heard.raw")));
  QString joinedOutput;
  if (!Run(velmora, {QStringLiteral("album")}, recorded, folder.Path(), &joinedOutput)) {
    std::printf("%-34s the jukebox did not play the album to its end\n", album.name);
    return;
  }
  const Samples heard = WithoutOuterSilence(ReadRaw(folder.File("heard.raw")));
  const Samples expected = WithoutOuterSilence(decoded);
  const long own = SilentFrames(expected);
  const long gap = SilentFrames(heard) - own;

  QString output;
  Run(velmora, {QStringLiteral("album-opened")}, environment, folder.Path(), &output);
  std::vector<double> before;
  for (const QString& line : output.split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("gap "))) before.push_back(line.mid(4).toDouble());
  }
  QString switches;
  for (const QString& line : joinedOutput.split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("switch "))) switches += line.mid(7) + QStringLiteral(" ms ");
  }
  QString beforeText;
  for (double ms : before) beforeText += QString::number(ms, 'f', 0) + QStringLiteral(" ms ");
  if (before.size() + 1 < album.rates.size()) beforeText += QStringLiteral("(did not play through)");

  const bool oneRate = std::all_of(album.rates.begin(), album.rates.end(), [rate](int r) { return r == rate; });
  const char* equal = !oneRate ? "n/a (resampled)" : heard == expected ? "yes" : "NO";
  std::printf("%-34s gap %5ld frames (%6.2f ms; the tracks' own silence %ld)  equals the decoded tracks: %-15s  "
              "displays switched at %s before: %s\n",
              album.name, gap, 1000.0 * static_cast<double>(gap) / rate, own, equal, qPrintable(switches),
              qPrintable(beforeText));
  if (oneRate && heard != expected) {
    std::printf("%-34s   %zu samples heard against %zu decoded\n", "", heard.size(), expected.size());
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QString gstLaunch = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
  if (gstLaunch.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty()) {
    std::printf("skipped: gst-launch-1.0 and sox are needed\n");
    return 0;
  }
  const QString velmora = QStringLiteral(VELMORA_CHILD);
  const std::vector<Album> albums = {
      {"WAVE, 44.1 kHz", "wav", {44100, 44100, 44100}},
      {"FLAC, 44.1 kHz", "flac", {44100, 44100, 44100}},
      {"Ogg Vorbis, 44.1 kHz", "ogg", {44100, 44100, 44100}},
      {"WAVE, 44.1 kHz then 48 kHz", "wav", {44100, 48000, 48000}},
      {"MP3 without delay notes, 44.1 kHz", "mp3", {44100, 44100, 44100}},
  };
  for (const Album& album : albums) Measure(album, velmora, gstLaunch);
  return 0;
}
