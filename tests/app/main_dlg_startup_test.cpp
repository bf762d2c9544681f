#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <unistd.h>

#include "controller_fixture.h"
#include "dictionary_layout.h"
#include "dictionary_window.h"
#include "session_end_watcher.h"
#include "tracklist_ids.h"
#include "tracklist_window.h"

namespace {

// Writes down what the data files held when the settings were saved.
class RecordingMainDlg : public CMainDlg {
 public:
  std::vector<std::string> m_settingsSaves;

 protected:
  void SaveSettings() override {
    m_settingsSaves.push_back(ReadText("default.alb") + "|" + ReadText("default.dic"));
    CMainDlg::SaveSettings();
  }
};

// The controller's fixture on a main window that records its settings saves,
// in a folder with a two-track album and an empty dictionary.
class StartupTest : public ControllerTest {
 protected:
  void SetUp() override {
    m_oldAlbum = m_dir.Write("one.ogg", std::string("x")) + "\n" + m_dir.Write("two.ogg", std::string("x")) + "\n";
    m_dir.Write("default.alb", m_oldAlbum);
    m_dir.Write("default.dic", std::string());
    auto dlg = std::make_unique<RecordingMainDlg>();
    m_saves = &dlg->m_settingsSaves;
    m_dlg = std::move(dlg);
    ControllerTest::SetUp();
  }

  // Start-up ends in the event loop, after the first paint (the playback
  // window and the album timer).
  void Start() {
    ASSERT_EQ(m_dlg->OnInitDialog(), 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    m_dlg->repaint();
    QCoreApplication::processEvents();
  }

  void StartAndLoad() {
    Start();
    m_dlg->OnTimer(IDT_LOADALBUM);
    ASSERT_EQ(m_dlg->TracklistDlg().GetTrackCount(), 2);
  }

  // Runs f from the message pump of the album load.
  template <typename F>
  void DuringTheLoad(F f) {
    QMetaObject::invokeMethod(m_dlg.get(), f, Qt::QueuedConnection);
  }

  // Changes album and dictionary in memory.
  void ChangeData() {
    MediaEntry track;
    track.m_strFile = "/new.ogg";
    m_dlg->TracklistDlg().Album().Add(track);
    m_dlg->DictionaryDlg().Entries().Add(DictionaryStore::MakeRecord("key.ogg"));
  }

  std::string m_oldAlbum;
  const std::vector<std::string>* m_saves = nullptr;
};

TEST_F(StartupTest, ADictionaryThatCannotBeCreatedEndsTheStart) {
  ASSERT_EQ(::unlink("default.dic"), 0);
  ASSERT_EQ(::symlink("/nonexistent-folder/default.dic", "default.dic"), 0);
  EXPECT_EQ(m_dlg->OnInitDialog(), 0);
  EXPECT_EQ(m_messages.Texts().last(), "Cannot create.  Exiting...");
}

// An Exit while the album loads, from the button or the desktop's Quit, is
// neither lost nor done under the load (saving half the album): it follows it.
TEST_F(StartupTest, AnExitDuringTheAlbumLoadFollowsTheLoad) {
  Start();
  QSignalSpy finished(m_dlg.get(), &CMainDlg::finished);
  int readyDuringLoad = -1;
  bool endedDuringLoad = true;
  DuringTheLoad([&] {
    readyDuringLoad = m_dlg->IsReady();
    m_dlg->OnCommand(IDC_EXIT);
    endedDuringLoad = m_dlg->HasEnded();
  });
  m_dlg->OnTimer(IDT_LOADALBUM);
  EXPECT_EQ(readyDuringLoad, 0);
  EXPECT_FALSE(endedDuringLoad);
  EXPECT_EQ(m_dlg->TracklistDlg().GetTrackCount(), 2);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.first().first().toInt(), 0);
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum);
}

TEST_F(StartupTest, ExitSavesTheSettingsWhileTheDataFilesAreAsTheyWere) {
  StartAndLoad();
  ChangeData();
  m_dlg->OnCommand(IDC_EXIT);
  EXPECT_TRUE(m_dlg->HasEnded());
  ASSERT_EQ(m_saves->size(), 1u);
  EXPECT_EQ((*m_saves)[0], m_oldAlbum + "|");
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum + "/new.ogg\n");
  EXPECT_EQ(ReadText("default.dic").substr(0, 8), "key.ogg\n");
}

TEST_F(StartupTest, EnterEscapeAndCloseLeaveTheWindowOpen) {
  StartAndLoad();
  QTest::keyClick(m_dlg.get(), Qt::Key_Return);
  QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
  m_dlg->close();
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_FALSE(m_dlg->HasEnded());
}

// Before the album is read, the session end must not write the file the load
// has yet to read; after it, both data files are saved but not the settings.
TEST_F(StartupTest, SessionEndSavesTheDataFilesOnlyOnceTheAlbumIsRead) {
  Start();
  m_dlg->OnEndSession();
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum);
  m_dlg->OnTimer(IDT_LOADALBUM);
  ChangeData();
  m_dlg->OnCommand(IDC_DICTIONARY);  // what is typed into the open editor is saved too
  QListView* list = m_dlg->DictionaryDlg().Window()->findChild<QListView*>();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
  m_dlg->DictionaryDlg().Window()->Edit(IDC_DIC_ARTIST)->setText(QStringLiteral("Typed"));
  m_dlg->OnEndSession();
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum + "/new.ogg\n");
  EXPECT_EQ(ReadText("default.dic").substr(0, 15), "key.ogg\n\nTyped\n");
  EXPECT_TRUE(m_saves->empty());
  EXPECT_FALSE(m_dlg->HasEnded());
}

TEST_F(StartupTest, ADropDuringTheLoadIsAddedAfterItWithoutLosingALine) {
  Start();
  const std::string third = m_dir.Write("three.ogg", std::string("x"));
  DuringTheLoad([&] { m_dlg->OnDropFiles({third}); });
  m_dlg->OnTimer(IDT_LOADALBUM);
  EXPECT_EQ(m_dlg->TracklistDlg().GetTrackCount(), 3);
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum + third + "\n");
  EXPECT_TRUE(m_dlg->TracklistDlg().WindowExists());
}

// A drop the main window accepted while the tracklist window is open must
// not be lost: it goes to the tracklist, held until the album is read.
TEST_F(StartupTest, ADropOnTheMainWindowGoesToTheOpenTracklist) {
  const auto dropOnMainWindow = [this](const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dlg.get(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dlg.get(), &drop);
    ASSERT_TRUE(drop.isAccepted());
    // The files are taken once the drop has ended.
    QCoreApplication::processEvents();
  };
  Start();
  m_dlg->OnCommand(IDC_TRACKLIST);
  const std::string early = m_dir.Write("early.ogg", std::string("x"));
  dropOnMainWindow({early});
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum);
  m_dlg->OnTimer(IDT_LOADALBUM);
  const std::string b = m_dir.Write("b.ogg", std::string("x")), a = m_dir.Write("a.ogg", std::string("x"));
  dropOnMainWindow({b, a});
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum + early + "\n" + b + "\n" + a + "\n");
  const QAbstractItemModel& list = *m_dlg->TracklistDlg().Window()->List().model();
  std::vector<std::string> shown;
  for (int i = 0; i < list.rowCount(); ++i) shown.push_back(list.index(i, 0).data().toString().toStdString());
  EXPECT_EQ(shown, (std::vector<std::string>{"one.ogg", "two.ogg", "early.ogg", "b.ogg", "a.ogg"}));
}

// The tracklist works in the moment between the window showing and the album
// being read; what it does then must not write the file the load will read.
TEST_F(StartupTest, NothingWritesTheAlbumFileBeforeTheLoadHasReadIt) {
  Start();
  const std::string third = m_dir.Write("three.ogg", std::string("x"));
  m_dlg->OnCommand(IDC_TRACKLIST);
  m_dlg->TracklistDlg().OnSortCommand(ID_SORT_NAME);
  m_dlg->TracklistDlg().OnDelete();
  m_dlg->TracklistDlg().OnDropFiles({third});
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum);
  m_dlg->OnTimer(IDT_LOADALBUM);
  EXPECT_EQ(m_dlg->TracklistDlg().GetTrackCount(), 3);
  EXPECT_EQ(ReadText("default.alb"), m_oldAlbum + third + "\n");
}

TEST(SessionEndWatcherTest, TurnsSigtermIntoASignalOnTheEventLoop) {
  CSessionEndWatcher watcher;
  ASSERT_EQ(watcher.WatchSignals(), 1);
  QSignalSpy terminated(&watcher, &CSessionEndWatcher::terminationRequested);
  ASSERT_EQ(std::raise(SIGTERM), 0);
  ASSERT_TRUE(terminated.wait(5000));
  EXPECT_EQ(terminated.first().first().toInt(), SIGTERM);
}

}  // namespace
