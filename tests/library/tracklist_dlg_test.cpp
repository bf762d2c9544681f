#include "tracklist_dlg.h"

#include <gtest/gtest.h>

#include <functional>

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "list_checks.h"
#include "message_box.h"
#include "tracklist_fakes.h"
#include "tracklist_ids.h"
#include "tracklist_window.h"

namespace {

Bytes Wave(const std::string& name, const std::string& genre, const std::string& source, const std::string& artist) {
  return CanonicalWave(SampleBytes(32), {{"INAM", name}, {"IGNR", genre}, {"ISRC", source}, {"IART", artist}});
}

class TracklistDlgTest : public testing::Test {
 protected:
  // The album file has been read (empty), so drops and saves go through.
  TracklistDlgTest() {
    WriteAlbumFile("");
    m_dlg.LoadAlbum();
  }

  void Add(const std::string& name, const Bytes& bytes = ToBytes("x")) { m_dlg.AddPath(m_dir.Write(name, bytes)); }
  // Opens the window. Every later update of its list's model is checked as a
  // view relies on it; the first one told wrongly ends the test program.
  void Open(const DropList& drop = {}) {
    m_dlg.OpenWindow(drop);
    new QAbstractItemModelTester(List().model(), QAbstractItemModelTester::FailureReportingMode::Fatal, List().model());
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < m_dlg.GetTrackCount(); ++i) names.push_back(m_dlg.GetTrack(i).m_strName);
    return names;
  }
  std::vector<std::string> Listed() const { return ListTexts(List()); }
  QListView& List() const { return m_dlg.Window()->List(); }
  std::vector<int> Selected() const { return m_dlg.Window()->SelectedIndexes(); }
  std::string AlbumFile() const { return SavedText(m_dir.File("default.alb")); }
  void WriteAlbumFile(const std::string& text) const { m_dir.Write("default.alb", text); }

  CMessageBoxRecorder m_messages;
  TempDir m_dir;
  FakeController m_controller;
  CTracklistDlg m_dlg{&m_controller, nullptr, m_dir.File("default.alb")};
};

// Each command gives its own order of the four tracks (equal folders by name).
// The current track is followed without a save; without one the album is saved.
struct SortRow { const char* label; int command; std::vector<std::string> names; };

class TracklistSortTest : public TracklistDlgTest, public testing::WithParamInterface<SortRow> {};

TEST_P(TracklistSortTest, SortsByTheCommandsKeyAndKeepsTheCurrentTrack) {
  Add("b/z.wav", Wave("n1", "G3", "S1", "A4"));
  Add("b/a.wav", Wave("n2", "G1", "S4", "A3"));
  Add("a/y.wav", Wave("n3", "G4", "S2", "A2"));
  Add("c/b.wav", Wave("n0", "G2", "S3", "A1"));
  Open();
  m_dlg.SetCurrentIndex(0);
  WriteAlbumFile("untouched\n");
  m_dlg.OnSortCommand(GetParam().command);
  const std::vector<std::string> names = Names();
  EXPECT_EQ(std::tuple(names, Listed()), std::tie(GetParam().names, names));
  const int current = static_cast<int>(std::find(names.begin(), names.end(), "n1") - names.begin());
  EXPECT_EQ(std::tuple(m_dlg.GetCurrentIndex(), Selected(), AlbumFile()), std::tuple(current, std::vector<int>{current}, "untouched\n"));
  m_dlg.SetCurrentIndex(-1);
  m_dlg.OnSortCommand(GetParam().command);
  EXPECT_EQ(AlbumFile(), Lines(FilesOf(m_dlg.Album())));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, TracklistSortTest,
    testing::Values(SortRow{"FullPath", ID_SORT_FULLPATH, {"n3", "n2", "n1", "n0"}},
                    SortRow{"Path", ID_SORT_PATH, {"n3", "n1", "n2", "n0"}},
                    SortRow{"Name", ID_SORT_NAME, {"n0", "n1", "n2", "n3"}},
                    SortRow{"Genre", ID_SORT_GENRE, {"n2", "n0", "n1", "n3"}},
                    SortRow{"Source", ID_SORT_SOURCE, {"n1", "n3", "n0", "n2"}},
                    SortRow{"Artist", ID_SORT_ARTIST, {"n0", "n3", "n2", "n1"}}),
    [](const testing::TestParamInfo<SortRow>& info) { return std::string(info.param.label); });

// The Delete key removes any selection without saving and selects the line
// after the first removed one, or the last line. The Delete button saves and
// finds the current track again, or forgets it when it was deleted.
TEST_F(TracklistDlgTest, DeletedLinesGoWithTheirTracks) {
  for (int i = 0; i < 200; ++i) Add("t" + std::to_string(1000 + i) + ".txt");
  Open();
  WriteAlbumFile("untouched\n");
  for (int i = 1; i < 200; i += 2) m_dlg.Window()->SetItemSelected(i, true);
  QTest::keyClick(&List(), Qt::Key_Delete);
  ASSERT_EQ(m_dlg.GetTrackCount(), 100);
  EXPECT_EQ(std::tuple(Names()[1], Names()[99], Listed(), Selected()),
            std::tuple("t1002.txt", "t1198.txt", Names(), std::vector<int>{1}));
  m_dlg.Window()->SetItemSelected(-1, false);
  m_dlg.Window()->SetItemSelected(98, true);
  m_dlg.Window()->SetItemSelected(99, true);
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(std::tuple(Names().back(), Listed(), Selected(), AlbumFile()),
            std::tuple("t1194.txt", Names(), std::vector<int>{97}, "untouched\n"));
  m_dlg.SetCurrentIndex(3);  // t1006.txt
  m_dlg.Window()->SetItemSelected(3, false);
  m_dlg.Window()->SetItemSelected(0, true);
  m_dlg.Window()->SetItemSelected(2, true);
  QTest::mouseClick(m_dlg.Window()->findChild<QPushButton*>("IDC_TL_DELETE"), Qt::LeftButton);
  const std::vector<std::string> kept = Listed();
  EXPECT_EQ(std::vector<std::string>(kept.begin(), kept.begin() + 3),
            (std::vector<std::string>{"t1002.txt", "t1006.txt", "t1008.txt"}));
  EXPECT_EQ(std::tuple(m_dlg.GetCurrentIndex(), Selected(), AlbumFile()), std::tuple(1, std::vector<int>{1}, Lines(FilesOf(m_dlg.Album()))));
  QTest::mouseClick(m_dlg.Window()->findChild<QPushButton*>("IDC_TL_DELETE"), Qt::LeftButton);  // the current track
  EXPECT_EQ(std::tuple(Names()[1], Listed(), m_dlg.GetCurrentIndex(), Selected(), AlbumFile()),
            std::tuple("t1008.txt", Names(), -1, std::vector<int>{}, Lines(FilesOf(m_dlg.Album()))));
}

// A drop that opens the window is listed and saved at once; files dropped on
// the open window are added once the drop has ended.
TEST_F(TracklistDlgTest, DroppedFilesAreListedAndSaved) {
  for (const char* name : {"drop/a.txt", "drop/sub/b.txt"}) m_dir.Write(name, "x");
  Open({m_dir.File("drop")});
  ASSERT_TRUE(m_dlg.Window()->isVisible() && m_dlg.GetTrackCount() == 2);
  const std::string file = m_dir.Write("dropped.txt", "x");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file)), QUrl(QStringLiteral("https://example.org/x"))});
  QDragEnterEvent enter(QPoint(10, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_dlg.Window(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_dlg.Window(), &drop);
  EXPECT_EQ(m_dlg.GetTrackCount(), 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(std::tuple(Names(), Listed(), AlbumFile()),
            std::tuple(std::vector<std::string>{"a.txt", "b.txt", "dropped.txt"}, Names(), Lines(FilesOf(m_dlg.Album()))));
}

// A scan hands its lines to the open list in batches. What the window is
// told or asked midway, with lines still held back, concerns every track
// added so far, and a window closed amid the scan loses no track.
TEST_F(TracklistDlgTest, HeldBackLinesNeverPutTheListOutOfStepWithTheAlbum) {
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) m_dir.Write(std::string("drop/") + name, "x");
  Open();
  // At the scan's third track the user deletes the second line; once the
  // next track is in, the selection is still that line, and the window closes.
  int step = 0;
  std::function<void()> midway = [&] {
    if (m_dlg.GetTrackCount() >= 3 && step == 0) {
      m_dlg.Window()->SetItemSelected(1, true);
      QTest::keyClick(&List(), Qt::Key_Delete);
      EXPECT_EQ(std::tuple(Names(), Listed()), std::tuple(std::vector<std::string>{"a.txt", "c.txt"}, Names()));
      step = 1;
    } else if (m_dlg.GetTrackCount() >= 3 && step == 1) {
      EXPECT_EQ(Selected(), std::vector<int>{1});
      m_dlg.Window()->reject();
      step = 2;
    }
    if (step < 2) QMetaObject::invokeMethod(&m_dlg, midway, Qt::QueuedConnection);
  };
  QMetaObject::invokeMethod(&m_dlg, midway, Qt::QueuedConnection);
  m_dlg.OnDropFiles({m_dir.File("drop")});
  ASSERT_EQ(std::tuple(step, m_dlg.WindowExists()), std::tuple(2, false));
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "c.txt", "d.txt", "e.txt"}));
  Open();
  EXPECT_EQ(Listed(), Names());
}

// A load empties the list with the album, and a drop during it waits.
TEST_F(TracklistDlgTest, TheListFollowsTheAlbumThroughALoadAndADropWaits) {
  Add("stale.txt");
  const std::string listed = m_dir.Write("listed.txt", "x");
  const std::string dropped = m_dir.Write("dropped.txt", "x");
  WriteAlbumFile(listed + "\n");
  Open();
  // The main window hands a drop over while the load dispatches events.
  QMetaObject::invokeMethod(&m_dlg, [&] { m_dlg.OnDropFiles({dropped}); }, Qt::QueuedConnection);
  m_dlg.LoadAlbum();
  EXPECT_EQ(std::tuple(Names(), Listed(), m_dlg.TakeHeldDrops()),
            std::tuple(std::vector<std::string>{"listed.txt"}, Names(), std::vector<DropList>{DropList{dropped}}));
}

// The Add dialog takes several files at once; a name with a line break is
// left out with a message, and the album file waits for the next save.
TEST_F(TracklistDlgTest, AddTakesSeveralFilesWithoutSaving) {
  const std::string a = m_dir.Write("a.txt", "x"), b = m_dir.Write("b.txt", "x");
  const std::string broken = m_dir.Write("bro\nken.txt", "x");
  m_dlg.SetFileChooser([&](QWidget*) {
    return QStringList{QString::fromStdString(a), QString::fromStdString(broken), QString::fromStdString(b)};
  });
  Open();
  WriteAlbumFile("untouched\n");
  m_dlg.OnAdd();
  m_dlg.SetFileChooser([](QWidget*) { return QStringList(); });
  m_dlg.OnAdd();
  EXPECT_EQ(std::tuple(Listed(), AlbumFile(), m_messages.Texts().size()),
            std::tuple(std::vector<std::string>{"a.txt", "b.txt"}, "untouched\n", 1));
}

TEST_F(TracklistDlgTest, WindowGoneWithItsParentIsForgotten) {
  auto parent = std::make_unique<QWidget>();
  CTracklistDlg dlg(&m_controller, parent.get(), m_dir.File("other.alb"));
  dlg.OpenWindow();
  parent.reset();
  EXPECT_FALSE(dlg.WindowExists());
  dlg.AddPath(m_dir.Write("late.txt", "x"));  // no list left to append to
  EXPECT_EQ(dlg.GetTrackCount(), 1);
}

}  // namespace
