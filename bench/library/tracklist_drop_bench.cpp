// Drops a generated folder tree on the tracklist, once with its window open
// and once with it closed, at 10,000 and at 40,000 files. The closed drop is
// the floor: the open window may only add the cost of showing the rows, and
// that cost per file must not grow with the album.
//
//   library_tracklist_drop_bench [small large [cap seconds]]
//
// An open drop still running after the cap (120 s unless told) has its
// window closed so the run ends; its time is then printed as a lower bound.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bench_album.h"
#include "media_tree.h"
#include "message_box.h"
#include "tracklist_dlg.h"
#include "tracklist_window.h"

namespace {

constexpr int kRuns = 5;
// A configuration slower than this is timed once: its figure is not noise.
constexpr double kRepeatBelowSeconds = 5.0;

class IdleController : public TracklistController {
 public:
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry&) override { return 0; }
  void OpenCurrentTrack() override {}
};

struct DropTime {
  double seconds = 1e30;
  bool capped = false;  // the window was closed before the drop ended
};

void PaintNow(QWidget& window) {
  window.repaint();
  QApplication::processEvents();
}

// One drop of root on an emptied album, timed until the list (when open)
// shows every track and has been painted.
DropTime TimeDrop(CTracklistDlg& dlg, const std::string& root, std::size_t files, bool open, int capSeconds) {
  dlg.SetCurrentIndex(-1);
  dlg.Album().RemoveAll();
  if (open) {
    dlg.OpenWindow();
    PaintNow(*dlg.Window());
  }
  DropTime time;
  QTimer cap;
  cap.setSingleShot(true);
  QObject::connect(&cap, &QTimer::timeout, [&] {
    time.capped = true;
    dlg.CloseWindow();
  });
  if (open) cap.start(capSeconds * 1000);
  time.seconds = SecondsSpent([&] {
    dlg.OnDropFiles({root});
    if (dlg.WindowExists()) {
      CTracklistWindow& window = *dlg.Window();
      const int rows = window.List().model()->rowCount();
      if (rows != dlg.GetTrackCount()) std::fprintf(stderr, "the list shows %d of %d tracks\n", rows, dlg.GetTrackCount());
      PaintNow(window);
    } else {
      QApplication::processEvents();
    }
  });
  cap.stop();
  if (static_cast<std::size_t>(dlg.GetTrackCount()) != files) {
    std::fprintf(stderr, "the drop added %d tracks, not %zu\n", dlg.GetTrackCount(), files);
    std::exit(1);
  }
  dlg.CloseWindow();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return time;
}

struct SizeResult {
  DropTime closed;
  DropTime open;
};

SizeResult TimeSize(CTracklistDlg& dlg, const std::string& root, std::size_t files, int capSeconds) {
  SizeResult result;
  for (int run = 0; run < kRuns; ++run) {
    const DropTime closed = TimeDrop(dlg, root, files, false, capSeconds);
    result.closed.seconds = std::min(result.closed.seconds, closed.seconds);
    if (run > 0 && result.open.seconds > kRepeatBelowSeconds) continue;
    const DropTime open = TimeDrop(dlg, root, files, true, capSeconds);
    if (open.seconds < result.open.seconds) result.open = open;
  }
  return result;
}

std::string Seconds(const DropTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "%s%9.1f ms", time.capped ? ">" : " ", time.seconds * 1e3);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::size_t small = argc > 2 ? std::strtoul(argv[1], nullptr, 10) : 10000;
  const std::size_t large = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 40000;
  const int capSeconds = argc > 3 ? std::atoi(argv[3]) : 120;

  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("velmora-drop-bench-" + std::to_string(getpid()));
  const std::string smallTree = (root / "small").string();
  const std::string largeTree = (root / "large").string();
  const double written = SecondsSpent([&] {
    WriteMediaTree(smallTree, small);
    WriteMediaTree(largeTree, large);
  });
  const std::string albumFile = (root / "default.alb").string();
  std::ofstream(albumFile).close();

  CMessageBoxRecorder quiet;
  IdleController controller;
  SizeResult smallResult;
  SizeResult largeResult;
  {
    CTracklistDlg dlg(&controller, nullptr, albumFile);
    dlg.LoadAlbum();
    smallResult = TimeSize(dlg, smallTree, small, capSeconds);
    largeResult = TimeSize(dlg, largeTree, large, capSeconds);
  }
  std::filesystem::remove_all(root);

  std::printf("platform %s, trees of %zu and %zu files written in %.1f s\n",
              qPrintable(QApplication::platformName()), small, large, written);
  for (const auto& [files, result] : {std::pair{small, smallResult}, std::pair{large, largeResult}}) {
    std::printf("drop of %6zu files  window closed %s  open %s  open/closed %s%.2f (target <= 1.25)\n", files,
                Seconds(result.closed).c_str(), Seconds(result.open).c_str(), result.open.capped ? ">" : "",
                result.open.seconds / result.closed.seconds);
  }
  const double perFileSmall = smallResult.open.seconds / static_cast<double>(small);
  const double perFileLarge = largeResult.open.seconds / static_cast<double>(large);
  std::printf("time per file with the window open, %zu over %zu: %s%.2f (target <= 1.25)\n", large, small,
              largeResult.open.capped ? ">" : "", perFileLarge / perFileSmall);
  return 0;
}
