#include "tracklist_dlg.h"

#include <gtest/gtest.h>

#include <functional>

#include <QAbstractItemModel>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "message_box.h"
#include "tracklist_fakes.h"
#include "tracklist_ids.h"
#include "tracklist_window.h"

namespace {

class RecordingController : public TracklistController {
 public:
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry&) override { return 0; }
  void OpenCurrentTrack() override { opened.push_back(current ? current() : -2); }

  std::function<int()> current;  // what the tracklist says is current when asked
  std::vector<int> opened;
};

// A WAVE file with a display name, a genre, a source and an artist.
Bytes Wave(const std::string& name, const std::string& genre, const std::string& source = "",
           const std::string& artist = "") {
  return CanonicalWave(SampleBytes(32), {{"INAM", name}, {"IGNR", genre}, {"ISRC", source}, {"IART", artist}});
}

class TracklistDlgTest : public testing::Test {
 protected:
  // The album file has been read (empty), so drops and saves go through.
  TracklistDlgTest() : m_dlg(&m_controller, nullptr, m_dir.File("default.alb")) {
    m_controller.current = [this] { return m_dlg.GetCurrentIndex(); };
    WriteAlbumFile("");
    m_dlg.LoadAlbum();
  }

  std::string Add(const std::string& name, const Bytes& bytes) {
    const std::string path = m_dir.Write(name, bytes);
    m_dlg.AddPath(path);
    return path;
  }
  void AddTextFiles(const std::vector<std::string>& names) {
    for (const auto& name : names) Add(name, ToBytes("x"));
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < m_dlg.GetTrackCount(); ++i) names.push_back(m_dlg.GetTrack(i).m_strName);
    return names;
  }
  std::vector<std::string> ListTexts() const {
    std::vector<std::string> texts;
    const QAbstractItemModel& model = *List().model();
    for (int i = 0; i < model.rowCount(); ++i) texts.push_back(model.index(i, 0).data().toString().toStdString());
    return texts;
  }
  QListView& List() const { return m_dlg.Window()->List(); }
  std::vector<int> Selected() const { return m_dlg.Window()->SelectedIndexes(); }
  void Click(const char* button) {
    QTest::mouseClick(m_dlg.Window()->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  std::string AlbumFile() const { return SavedText(m_dir.File("default.alb")); }
  void WriteAlbumFile(const std::string& text) const { m_dir.Write("default.alb", text); }

  CMessageBoxRecorder m_messages;
  TempDir m_dir;
  RecordingController m_controller;
  CTracklistDlg m_dlg;
};

// Each command sorts by its own key (equal folders by name), so each gives
// its own order of the four tracks. The current track is followed without a
// save; with no current track the sorted album is saved.
struct SortRow {
  const char* label;
  int command;
  std::vector<std::string> names;
};

class TracklistSortTest : public TracklistDlgTest, public testing::WithParamInterface<SortRow> {};

TEST_P(TracklistSortTest, SortsByTheCommandsKeyAndKeepsTheCurrentTrack) {
  Add("b/z.wav", Wave("n1", "G3", "S1", "A4"));
  Add("b/a.wav", Wave("n2", "G1", "S4", "A3"));
  Add("a/y.wav", Wave("n3", "G4", "S2", "A2"));
  Add("c/b.wav", Wave("n0", "G2", "S3", "A1"));
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(0);
  WriteAlbumFile("untouched\n");
  m_dlg.OnSortCommand(GetParam().command);
  const std::vector<std::string> names = Names();
  EXPECT_EQ(names, GetParam().names);
  EXPECT_EQ(ListTexts(), names);
  const int current = static_cast<int>(std::find(names.begin(), names.end(), "n1") - names.begin());
  EXPECT_EQ(m_dlg.GetCurrentIndex(), current);
  EXPECT_EQ(Selected(), std::vector<int>{current});
  EXPECT_EQ(AlbumFile(), "untouched\n");

  m_dlg.SetCurrentIndex(-1);
  m_dlg.OnSortCommand(GetParam().command);
  EXPECT_EQ(Names(), GetParam().names);
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

// The Delete button saves and finds the current track again, or forgets it
// when it was deleted.
TEST_F(TracklistDlgTest, DeleteButtonSavesAndFindsTheCurrentTrackAgain) {
  AddTextFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(3);
  m_dlg.Window()->SetItemSelected(3, false);
  m_dlg.Window()->SetItemSelected(0, true);
  m_dlg.Window()->SetItemSelected(2, true);
  Click("IDC_TL_DELETE");
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"b.txt", "d.txt"}));
  EXPECT_EQ(m_dlg.GetCurrentIndex(), 1);
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_EQ(AlbumFile(), Lines({m_dir.File("b.txt"), m_dir.File("d.txt")}));
  Click("IDC_TL_DELETE");  // the current track is selected
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"b.txt"}));
  EXPECT_EQ(m_dlg.GetCurrentIndex(), -1);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(AlbumFile(), Lines({m_dir.File("b.txt")}));
}

// The Delete key removes a scattered selection of any size without saving and
// selects the line after the first removed one, or the new last line.
TEST_F(TracklistDlgTest, DeleteKeyRemovesAnySelectionAndSelectsTheNextLine) {
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) names.push_back("t" + std::to_string(1000 + i) + ".txt");
  AddTextFiles(names);
  m_dlg.OpenWindow();
  WriteAlbumFile("untouched\n");
  for (int i = 1; i < 200; i += 2) m_dlg.Window()->SetItemSelected(i, true);
  QTest::keyClick(&List(), Qt::Key_Delete);
  ASSERT_EQ(m_dlg.GetTrackCount(), 100);
  EXPECT_EQ(m_dlg.GetTrack(1).m_strName, "t1002.txt");
  EXPECT_EQ(m_dlg.GetTrack(99).m_strName, "t1198.txt");
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(Selected(), std::vector<int>{1});
  m_dlg.Window()->SetItemSelected(-1, false);
  m_dlg.Window()->SetItemSelected(98, true);
  m_dlg.Window()->SetItemSelected(99, true);
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(Names().back(), "t1194.txt");
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(Selected(), std::vector<int>{97});
  EXPECT_EQ(AlbumFile(), "untouched\n");
}

// A drop that opens the window is listed and saved at once; files dropped on
// the open window are added once the drop has ended.
TEST_F(TracklistDlgTest, DroppedFilesAreListedAndSaved) {
  m_dir.Write("drop/a.txt", "x");
  m_dir.Write("drop/sub/b.txt", "x");
  m_dlg.OpenWindow({m_dir.File("drop")});
  EXPECT_TRUE(m_dlg.Window()->isVisible());
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(AlbumFile(), Lines(FilesOf(m_dlg.Album())));
  ASSERT_EQ(m_dlg.GetTrackCount(), 2);
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
  EXPECT_EQ(ListTexts().back(), "dropped.txt");
  EXPECT_EQ(AlbumFile(), Lines(FilesOf(m_dlg.Album())));
  EXPECT_EQ(m_dlg.GetTrackCount(), 3);
}

// A scan hands its lines to the open list in batches. What the window is
// told or asked midway, with lines still held back, concerns every track
// added so far, and once the drop has ended the list shows every track in
// album order.
TEST_F(TracklistDlgTest, HeldBackLinesNeverPutTheListOutOfStepWithTheAlbum) {
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) m_dir.Write(std::string("drop/") + name, "x");
  m_dlg.OpenWindow();
  bool deleted = false;
  // Waits for the scan's third track, then the user deletes the second line.
  std::function<void()> midway = [&] {
    if (m_dlg.GetTrackCount() < 3) {
      QMetaObject::invokeMethod(&m_dlg, midway, Qt::QueuedConnection);
      return;
    }
    m_dlg.Window()->SetItemSelected(1, true);
    EXPECT_EQ(Selected(), std::vector<int>{1});
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(ListTexts(), Names());
    deleted = true;
  };
  QMetaObject::invokeMethod(&m_dlg, midway, Qt::QueuedConnection);
  m_dlg.OnDropFiles({m_dir.File("drop")});
  ASSERT_TRUE(deleted);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "c.txt", "d.txt", "e.txt"}));
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(Selected(), std::vector<int>{1});
}

TEST_F(TracklistDlgTest, ClosingTheWindowDuringAScanLosesNoTrack) {
  m_dir.Write("drop/a.txt", "x");
  m_dir.Write("drop/b.txt", "x");
  m_dir.Write("drop/c.txt", "x");
  m_dlg.OpenWindow();
  // Runs at the scan's first dispatch of waiting events.
  QMetaObject::invokeMethod(&m_dlg, [this] { m_dlg.Window()->reject(); }, Qt::QueuedConnection);
  m_dlg.OnDropFiles({m_dir.File("drop")});
  EXPECT_FALSE(m_dlg.WindowExists());
  EXPECT_EQ(m_dlg.GetTrackCount(), 3);
  m_dlg.OpenWindow();
  EXPECT_EQ(ListTexts(), Names());
}

// A load empties the list with the album, and a drop during it waits.
TEST_F(TracklistDlgTest, TheListFollowsTheAlbumThroughALoadAndADropWaits) {
  Add("stale.txt", ToBytes("x"));
  const std::string listed = m_dir.Write("listed.txt", "x");
  const std::string dropped = m_dir.Write("dropped.txt", "x");
  WriteAlbumFile(listed + "\n");
  m_dlg.OpenWindow();
  // The main window hands a drop over while the load dispatches events.
  QMetaObject::invokeMethod(&m_dlg, [&] { m_dlg.OnDropFiles({dropped}); }, Qt::QueuedConnection);
  m_dlg.LoadAlbum();
  EXPECT_EQ(Names(), std::vector<std::string>{"listed.txt"});
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(m_dlg.TakeHeldDrops(), std::vector<DropList>{DropList{dropped}});
}

// The Add dialog takes several files at once; a name with a line break is
// left out with a message, and the album file waits for the next save.
TEST_F(TracklistDlgTest, AddTakesSeveralFilesWithoutSaving) {
  const std::string a = m_dir.Write("a.txt", "x"), b = m_dir.Write("b.txt", "x");
  const std::string broken = m_dir.Write("bro\nken.txt", "x");
  m_dlg.SetFileChooser([&](QWidget*) {
    return QStringList{QString::fromStdString(a), QString::fromStdString(broken), QString::fromStdString(b)};
  });
  m_dlg.OpenWindow();
  WriteAlbumFile("untouched\n");
  m_dlg.OnAdd();
  m_dlg.SetFileChooser([](QWidget*) { return QStringList(); });
  m_dlg.OnAdd();
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(AlbumFile(), "untouched\n");
  EXPECT_EQ(m_messages.Texts().size(), 1);
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
