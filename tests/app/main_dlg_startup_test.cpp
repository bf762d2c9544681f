#include <QLineEdit>
#include <QListView>
#include <QMetaObject>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <unistd.h>

#include "controller_fixture.h"
#include "dictionary_layout.h"
#include "dictionary_window.h"
#include "qt_profile_store.h"
#include "session_end_watcher.h"
#include "tracklist_ids.h"

namespace {

// The controller's fixture in a folder with a two-track album and an empty
// dictionary.
class StartupTest : public ControllerTest {
 protected:
  void SetUp() override {
    m_oldAlbum = m_dir.Write("one.ogg", std::string("x")) + "\n" + m_dir.Write("two.ogg", std::string("x")) + "\n";
    m_dir.Write("default.alb", m_oldAlbum);
    m_dir.Write("default.dic", std::string());
    ControllerTest::SetUp();
  }

  // Start-up ends in the event loop, after the first paint (the playback
  // window and the album timer).
  void Start() {
    ASSERT_TRUE(m_dlg->OnInitDialog() == 1 && QTest::qWaitForWindowExposed(m_dlg.get()));
    m_dlg->repaint();
    QCoreApplication::processEvents();
  }

  // Changes album and dictionary in memory.
  void ChangeData() {
    MediaEntry track;
    track.m_strFile = "/new.ogg";
    m_dlg->TracklistDlg().Album().Add(track);
    m_dlg->DictionaryDlg().Entries().Add(DictionaryStore::MakeRecord("key.ogg"));
  }

  std::string m_oldAlbum;
};

TEST_F(StartupTest, ADictionaryThatCannotBeCreatedEndsTheStart) {
  ASSERT_TRUE(::unlink("default.dic") == 0 && ::symlink("/nonexistent-folder/default.dic", "default.dic") == 0);
  EXPECT_EQ((std::tuple{m_dlg->OnInitDialog(), m_messages.Texts().last()}), std::tuple(0, "Cannot create.  Exiting..."));
}

// An Exit while the album loads, from the button or the desktop's Quit, is
// neither lost nor done under the load (saving half the album): it follows it.
TEST_F(StartupTest, AnExitDuringTheAlbumLoadFollowsTheLoad) {
  Start();
  QSignalSpy finished(m_dlg.get(), &CMainDlg::finished);
  int readyDuringLoad = -1;
  bool endedDuringLoad = true;
  // Queued: run from the message pump of the album load.
  const auto exitDuringLoad = [&] {
    readyDuringLoad = m_dlg->IsReady();
    m_dlg->OnCommand(IDC_EXIT);
    endedDuringLoad = m_dlg->HasEnded();
  };
  QMetaObject::invokeMethod(m_dlg.get(), exitDuringLoad, Qt::QueuedConnection);
  m_dlg->OnTimer(IDT_LOADALBUM);
  EXPECT_EQ(std::tuple(readyDuringLoad, endedDuringLoad, m_dlg->TracklistDlg().GetTrackCount()), std::tuple(0, false, 2));
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(std::tuple(finished.first().first().toInt(), ReadText("default.alb")), std::tuple(0, m_oldAlbum));
}

// Enter, Escape and the window manager's close leave the window open; Exit
// ends the run and saves the data files (after the settings: that order is
// checked on the real program).
TEST_F(StartupTest, OnlyExitEndsTheRunAndItSavesTheDataFiles) {
  Start();
  m_dlg->OnTimer(IDT_LOADALBUM);
  ChangeData();
  QTest::keyClick(m_dlg.get(), Qt::Key_Return);
  QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
  m_dlg->close();
  EXPECT_EQ(std::tuple(m_dlg->isVisible(), m_dlg->HasEnded()), std::tuple(true, false));
  m_dlg->OnCommand(IDC_EXIT);
  EXPECT_EQ(std::tuple(m_dlg->HasEnded(), ReadText("default.alb"), ReadText("default.dic").substr(0, 8)),
            std::tuple(true, m_oldAlbum + "/new.ogg\n", "key.ogg\n"));
}

// Before the album is read, the session end must not write the file the load
// has yet to read; after it, both data files are saved, and the settings never.
TEST_F(StartupTest, SessionEndSavesTheDataFilesOnlyOnceTheAlbumIsRead) {
  const std::string settings = m_dir.File("Velmora.conf");
  m_dlg->SetProfileStore(std::make_unique<QtProfileStore>(QString::fromStdString(settings)));
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
  EXPECT_EQ(std::tuple(ReadText("default.alb"), ReadText("default.dic").substr(0, 15), m_dlg->HasEnded()),
            std::tuple(m_oldAlbum + "/new.ogg\n", "key.ogg\n\nTyped\n", false));
  m_dlg.reset();  // a settings store that was written to writes its file as it goes
  EXPECT_FALSE(std::filesystem::exists(settings));
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
  EXPECT_EQ(std::tuple(m_dlg->TracklistDlg().GetTrackCount(), ReadText("default.alb")), std::tuple(3, m_oldAlbum + third + "\n"));
}

TEST(SessionEndWatcherTest, TurnsSigtermIntoASignalOnTheEventLoop) {
  CSessionEndWatcher watcher;
  ASSERT_EQ(watcher.WatchSignals(), 1);
  QSignalSpy terminated(&watcher, &CSessionEndWatcher::terminationRequested);
  ASSERT_TRUE(std::raise(SIGTERM) == 0 && terminated.wait(5000));
  EXPECT_EQ(terminated.first().first().toInt(), SIGTERM);
}

}  // namespace
