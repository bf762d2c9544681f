// Opens the tracklist window on an album of 100,000 tracks until it has been
// painted, and compares the time with the floor: a bare QListWidget filled
// with the same names and shown the same way. Runs offscreen unless told.
#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <cstdio>

#include "bench_album.h"
#include "message_box.h"
#include "tracklist_dlg.h"
#include "tracklist_window.h"

namespace {

constexpr int kTracks = 100000;
constexpr int kRuns = 5;

class IdleController : public TracklistController {
 public:
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry&) override { return 0; }
  void OpenCurrentTrack() override {}
};

void PaintNow(QWidget& window) {
  window.repaint();
  QApplication::processEvents();
}

double OpenTracklist(CTracklistDlg& dlg) {
  const double spent = SecondsSpent([&] {
    dlg.OpenWindow();
    PaintNow(*dlg.Window());
  });
  dlg.CloseWindow();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return spent;
}

double FillBareList(const EntryArray& album) {
  QListWidget list;
  return SecondsSpent([&] {
    QStringList names;
    names.reserve(album.GetSize());
    for (int i = 0; i < album.GetSize(); ++i) names.append(QString::fromStdString(album.At(i).m_strName));
    list.addItems(names);
    list.show();
    PaintNow(list);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  CMessageBoxRecorder quiet;  // the album file is never written here
  IdleController controller;
  CTracklistDlg dlg(&controller, nullptr, "/nonexistent/default.alb");
  dlg.Album() = MakeBenchAlbum(kTracks);
  double open = 1e30;
  double floor = 1e30;
  for (int run = 0; run < kRuns; ++run) {
    open = std::min(open, OpenTracklist(dlg));
    floor = std::min(floor, FillBareList(dlg.Album()));
  }
  std::printf("open tracklist window  %6d tracks  %7.2f ms (target < 300 ms)\n", kTracks, open * 1e3);
  std::printf("bare QListWidget fill  %6d names   %7.2f ms\n", kTracks, floor * 1e3);
  std::printf("ratio %.2f\n", open / floor);
  return 0;
}
