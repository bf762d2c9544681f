#include "jukebox_app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "external_files.h"
#include "folder_jukebox.h"
#include "font_warm_up.h"
#include "jukebox_command_line.h"
#include "main_dlg.h"
#include "mpris_service.h"
#include "qt_profile_store.h"
#include "screen_text.h"
#include "session_end_watcher.h"

namespace {

constexpr int kHandOverFailedStatus = 1;
constexpr int kFolderTakenStatus = 1;
constexpr int kUsageStatus = 2;

DropList ToDrop(const QStringList& files) {
  DropList drop;
  for (const QString& file : files) drop.push_back(PathBytes(file));
  return drop;
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Names every path that does not exist and leaves the others.
QStringList ExistingFiles(const QStringList& files) {
  QStringList existing;
  for (const QString& file : files) {
    if (QFileInfo::exists(file)) {
      existing.append(file);
    } else {
      Print(stderr, QStringLiteral("velmora: no such file: %1\n").arg(file));
    }
  }
  return existing;
}

}  // namespace

// A skinned window places itself on the screen, which native Wayland does
// not allow; XWayland does, so it is preferred when the session offers it.
// A platform the user chose is kept.
void CJukeboxApp::ChooseDisplayPlatform() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    return;
  }
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

int CJukeboxApp::Run(int argc, char** argv) {
  // Help and the version are printed before Qt starts, so they need no
  // display.
  const JukeboxCommandLine asked = ParseJukeboxCommandLine(JukeboxArguments({}, argc, argv, 0));
  if (asked.request == JukeboxCommandLine::Request::Help) {
    Print(stdout, JukeboxUsageText());
    return 0;
  }
  if (asked.request == JukeboxCommandLine::Request::Version) {
    Print(stdout, JukeboxVersionText());
    return 0;
  }
  ChooseDisplayPlatform();
  // Needs no QApplication, so it runs while that is made too; it is over
  // before the QApplication goes.
  CFontWarmUp fonts;
  const int optionsEnd = OptionsEnd(argc, argv);
  // QApplication keeps the count and lowers it as it takes its options.
  int qtArgumentCount = optionsEnd;
  QApplication application(qtArgumentCount, argv);
  const JukeboxCommandLine line =
      ParseJukeboxCommandLine(JukeboxArguments(QCoreApplication::arguments(), argc, argv, optionsEnd));
  if (line.request == JukeboxCommandLine::Request::UnknownOption) {
    Print(stderr, QStringLiteral("velmora: unknown option %1 (try velmora --help)\n").arg(line.unknownOption));
    fonts.Finish();
    return kUsageStatus;
  }
  const int status = RunMainWindow(application, fonts, line.files);
  fonts.Finish();
  return status;
}

void CJukeboxApp::SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setOrganizationName(QStringLiteral("Orvane"));
  // Companion windows come and go; the program ends only through Exit.
  QApplication::setQuitOnLastWindowClosed(false);
}

int CJukeboxApp::RunMainWindow(QApplication& application, CFontWarmUp& fonts, const QStringList& named) {
  SetUpApplication();
  const QStringList files = ExistingFiles(named);
  CFolderJukebox folder(QDir::currentPath());
  folder.StartClaim();

  CMainDlg mainDlg;
  // A jukebox already runs in this folder: it takes the files and shows
  // itself; this one ends before its window ever shows.
  if (!folder.Claimed()) {
    // Named files of which none exists: nothing to hand over, and a window
    // brought to the front would look as if the start had worked.
    if (!named.isEmpty() && files.isEmpty()) return kHandOverFailedStatus;
    if (folder.HandOver(files)) return 0;
    std::fprintf(stderr, "velmora: a jukebox runs in this folder but does not answer\n");
    return kHandOverFailedStatus;
  }
  // Without a session bus, or beside a jukebox that runs without one, the
  // lock is what says the folder is taken; this start then changes nothing.
  if (!folder.Lock()) {
    const long holder = folder.LockHolder();
    if (holder > 0) {
      std::fprintf(stderr, "velmora: the jukebox of process %ld runs in this folder and keeps its album\n", holder);
    } else {
      std::fprintf(stderr, "velmora: another jukebox runs in this folder and keeps its album\n");
    }
    return kFolderTakenStatus;
  }
  mainDlg.SetProfileStore(std::make_unique<QtProfileStore>());
  // The album and the settings are saved when the window has closed: a new
  // start in the folder may run at once, while this process winds down.
  QObject::connect(&mainDlg, &CMainDlg::leaving, &folder, &CFolderJukebox::GiveUpName);
  QObject::connect(&mainDlg, &CMainDlg::finished, &application, [&folder](int result) {
    folder.ReleaseLock();
    QCoreApplication::exit(result);
  });

  CSessionEndWatcher sessionEnd;
  sessionEnd.WatchSignals();
  QObject::connect(&sessionEnd, &CSessionEndWatcher::saveRequested, &mainDlg, &CMainDlg::OnEndSession);
  // A termination may arrive while a message box of the start-up waits,
  // before the main loop runs; the program then ends once start-up returns.
  bool terminated = false;
  QObject::connect(&sessionEnd, &CSessionEndWatcher::terminationRequested, &mainDlg, [&mainDlg, &terminated](int) {
    mainDlg.TracklistDlg().AbandonDrop();
    mainDlg.OnEndSession();
    terminated = true;
    QCoreApplication::exit(0);
  });

  if (!mainDlg.OnInitDialog()) {
    return kCannotCreateExitStatus;
  }
  if (terminated) {
    return 0;
  }
  // Files from the command line or a later start join the album as a drop
  // on the main window does, held until the album has loaded.
  AddExternalFiles(mainDlg, ToDrop(files));
  folder.SetFilesHandler([&mainDlg](const QStringList& handed) {
    AddExternalFiles(mainDlg, ToDrop(handed));
    mainDlg.showNormal();
    mainDlg.raise();
    mainDlg.activateWindow();
  });
  // The desktop's media controls find the jukebox once its start-up, which
  // waits for the first paint, has finished.
  CMprisService mpris(mainDlg);
  QObject::connect(&mainDlg, &CMainDlg::startUpFinished, &mpris, &CMprisService::Register);
  // The first paint needs the fonts: waiting for the warm-up costs less than
  // a second reading of the configuration beside it.
  fonts.Finish();
  return QApplication::exec();
}
