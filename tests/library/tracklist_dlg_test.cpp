#include "tracklist_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "message_box.h"
#include "temp_dir.h"
#include "text_file.h"
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

// A WAVE file with a display name and a genre.
Bytes Wave(const std::string& name, const std::string& genre) {
  return CanonicalWave(SampleBytes(32), {{"INAM", name}, {"IGNR", genre}});
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
  void SetCaret(int row) {
    List().selectionModel()->setCurrentIndex(List().model()->index(row, 0), QItemSelectionModel::NoUpdate);
  }
  void Click(const char* button) {
    QTest::mouseClick(m_dlg.Window()->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  std::string AlbumFile() const { return ToText(ReadFileBytes(m_dir.File("default.alb"))); }
  void WriteAlbumFile(const std::string& text) const { m_dir.Write("default.alb", text); }

  CMessageBoxRecorder m_messages;
  TempDir m_dir;
  RecordingController m_controller;
  CTracklistDlg m_dlg;
};

TEST_F(TracklistDlgTest, SortsByGenreThenName) {
  Add("1.wav", Wave("b", "Rock"));
  Add("2.wav", Wave("a", "Pop"));
  Add("3.wav", Wave("a", "Rock"));
  m_dlg.OpenWindow();
  m_dlg.OnSortCommand(ID_SORT_GENRE);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "a", "b"}));
  EXPECT_EQ(m_dlg.GetTrack(0).m_strGenre, "Pop");
  EXPECT_EQ(m_dlg.GetTrack(1).m_strGenre, "Rock");
  EXPECT_EQ(ListTexts(), Names());
}

TEST_F(TracklistDlgTest, SortsByPathWithCapitalFoldersFirst) {
  AddTextFiles({"low/b.txt", "Low/b.txt", "low/a.txt", "Low/a.txt"});
  m_dlg.OpenWindow();
  m_dlg.OnSortCommand(ID_SORT_PATH);
  const std::vector<std::string> expected = {m_dir.File("Low/a.txt"), m_dir.File("Low/b.txt"),
                                             m_dir.File("low/a.txt"), m_dir.File("low/b.txt")};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(m_dlg.GetTrack(i).m_strFile, expected[static_cast<std::size_t>(i)]);
  EXPECT_EQ(ListTexts(), Names());
}

TEST_F(TracklistDlgTest, SortKeepsTheCurrentTrackWithoutSaving) {
  AddTextFiles({"c.txt", "b.txt", "a.txt"});
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(0);
  WriteAlbumFile("untouched\n");
  m_dlg.OnSortCommand(ID_SORT_NAME);
  EXPECT_EQ(m_dlg.GetCurrentIndex(), 2);
  EXPECT_EQ(m_dlg.GetCurrentTrack().m_strName, "c.txt");
  EXPECT_EQ(Selected(), std::vector<int>{2});
  EXPECT_EQ(AlbumFile(), "untouched\n");
}

TEST_F(TracklistDlgTest, SortWithoutCurrentTrackSavesTheAlbum) {
  const std::string b = Add("b.txt", ToBytes("x"));
  const std::string a = Add("a.txt", ToBytes("x"));
  m_dlg.OpenWindow();
  m_dlg.OnSortCommand(ID_SORT_FULLPATH);
  EXPECT_EQ(m_dlg.GetCurrentIndex(), -1);
  EXPECT_EQ(AlbumFile(), a + std::string(kLineEnd) + b + std::string(kLineEnd));
  EXPECT_TRUE(Selected().empty());
}

TEST_F(TracklistDlgTest, SortMenuOffersTheSixKeysInOrder) {
  m_dlg.OpenWindow();
  QStringList texts;
  for (const QAction* action : m_dlg.Window()->SortMenu().actions()) texts.append(action->text());
  EXPECT_EQ(texts, (QStringList{"Fullpath", "Path", "Name", "Genre", "Source", "Artist"}));
}

TEST_F(TracklistDlgTest, DeleteButtonDropsTheCurrentTrackAndSaves) {
  AddTextFiles({"a.txt", "b.txt"});
  const std::string c = Add("c.txt", ToBytes("x"));
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(1);
  m_dlg.Window()->SetItemSelected(0, true);
  Click("IDC_TL_DELETE");
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"c.txt"}));
  EXPECT_EQ(m_dlg.GetCurrentIndex(), -1);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(AlbumFile(), c + std::string(kLineEnd));
}

TEST_F(TracklistDlgTest, DeleteButtonFindsTheCurrentTrackAgain) {
  AddTextFiles({"a.txt", "b.txt", "c.txt"});
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(2);
  m_dlg.Window()->SetItemSelected(2, false);
  m_dlg.Window()->SetItemSelected(0, true);
  Click("IDC_TL_DELETE");
  EXPECT_EQ(m_dlg.GetCurrentIndex(), 1);
  EXPECT_EQ(Selected(), std::vector<int>{1});
}

TEST_F(TracklistDlgTest, DeleteKeyOnTheLastTwoSelectsTheNewLastWithoutSaving) {
  AddTextFiles({"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
  m_dlg.OpenWindow();
  WriteAlbumFile("untouched\n");
  m_dlg.Window()->SetItemSelected(3, true);
  m_dlg.Window()->SetItemSelected(4, true);
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(Names(), ListTexts());
  EXPECT_EQ(Selected(), std::vector<int>{2});
  EXPECT_EQ(AlbumFile(), "untouched\n");
}

TEST_F(TracklistDlgTest, DeletesScatteredSelectionsOfAnySize) {
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) names.push_back("t" + std::to_string(1000 + i) + ".txt");
  AddTextFiles(names);
  m_dlg.OpenWindow();
  for (int i = 0; i < 200; i += 2) m_dlg.Window()->SetItemSelected(i, true);
  m_dlg.RemoveSelected();
  ASSERT_EQ(m_dlg.GetTrackCount(), 100);
  EXPECT_EQ(m_dlg.GetTrack(0).m_strName, "t1001.txt");
  EXPECT_EQ(m_dlg.GetTrack(99).m_strName, "t1199.txt");
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(TracklistDlgTest, WindowStopsAtTheSmallestSize) {
  m_dlg.OpenWindow();
  m_dlg.Window()->resize(100, 100);
  EXPECT_EQ(m_dlg.Window()->frameGeometry().size(), QSize(208, 163));
}

struct Placement {
  const char* name;
  QRect rect;
};

TEST_F(TracklistDlgTest, ControlsFollowTheWindowEdges) {
  m_dlg.OpenWindow();
  m_dlg.Window()->resize(400, 300);
  const std::vector<Placement> expected = {
      {"IDC_TL_PATH", {3, 3, 394, 16}},      {"IDC_TL_ARTIST", {3, 21, 284, 16}},
      {"IDC_TL_GENRE", {290, 21, 107, 16}},  {"IDC_TL_DATE", {290, 39, 47, 16}},
      {"IDC_TL_KIND", {340, 39, 27, 16}},    {"IDC_TL_ORIGIN", {370, 39, 27, 16}},
      {"IDC_TL_LIST", {3, 76, 394, 178}},    {"IDC_TL_SELECT", {3, 259, 45, 16}},
      {"IDC_TL_RESCAN", {103, 280, 45, 16}}, {"IDC_TL_CLOSE", {352, 280, 45, 16}},
  };
  for (const Placement& place : expected) {
    const QWidget* control = m_dlg.Window()->findChild<QWidget*>(QString::fromLatin1(place.name));
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ(control->geometry(), place.rect) << place.name;
  }
}

TEST_F(TracklistDlgTest, InfoFieldsAndToolTipsDescribeTheCaretTrack) {
  m_dlg.OpenWindow();
  EXPECT_EQ(m_dlg.ToolTipText(IDC_TL_SORT), "");  // an empty list has no caret
  m_dlg.CloseWindow();
  Add("song.wav", Wave("Song", "Jazz"));
  const std::string other = Add("other.txt", ToBytes("x"));
  m_dlg.OpenWindow();
  SetCaret(1);
  m_dlg.ShowTrackInfo();
  CTracklistWindow& window = *m_dlg.Window();
  EXPECT_EQ(window.Field(IDC_TL_PATH)->text().toStdString(), other);
  EXPECT_EQ(m_dlg.ToolTipText(IDC_TL_PATH).toStdString(), other);
  EXPECT_EQ(m_dlg.ToolTipText(IDC_TL_SORT), "Filepath sort");
  EXPECT_EQ(m_dlg.ToolTipText(IDC_TL_LIST), "other.txt");
  EXPECT_EQ(window.Field(IDC_TL_KIND)->text(), "");
  SetCaret(0);  // moved by the user: the fields follow
  EXPECT_EQ(window.Field(IDC_TL_GENRE)->text(), "Jazz");
  EXPECT_EQ(window.Field(IDC_TL_KIND)->text(), "AUD");
  EXPECT_EQ(window.Field(IDC_TL_ORIGIN)->text(), "INF");
  EXPECT_EQ(m_dlg.ToolTipText(IDC_TL_GENRE), "Jazz");
}

TEST_F(TracklistDlgTest, SelectMakesTheCaretTrackCurrentWithoutSelecting) {
  AddTextFiles({"a.txt", "b.txt", "c.txt"});
  m_dlg.OpenWindow();
  m_dlg.Window()->SetItemSelected(0, true);
  SetCaret(2);
  Click("IDC_TL_SELECT");
  EXPECT_EQ(m_controller.opened, std::vector<int>{2});
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(TracklistDlgTest, EnterAndDoubleClickSelectToo) {
  AddTextFiles({"a.txt", "b.txt"});
  m_dlg.OpenWindow();
  SetCaret(1);
  QTest::keyClick(&List(), Qt::Key_Return);
  EXPECT_EQ(m_controller.opened, (std::vector<int>{1}));
  const QRect first = List().visualRect(List().model()->index(0, 0));
  QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, first.center());
  QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(m_controller.opened, (std::vector<int>{1, 0}));
}

TEST_F(TracklistDlgTest, FocusSelectsOnlyTheCurrentTrack) {
  AddTextFiles({"a.txt", "b.txt", "c.txt"});
  m_dlg.OpenWindow();
  m_dlg.SetCurrentIndex(1);
  m_dlg.Window()->SetItemSelected(2, true);
  m_dlg.OnFocus();
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_EQ(m_dlg.Window()->Field(IDC_TL_PATH)->text().toStdString(), m_dlg.GetTrack(1).m_strFile);
}

// Connects to the list of the tracklist window as soon as it shows, and
// notes for every line added whether the window was visible then.
class InsertWatcher : public QObject {
 public:
  explicit InsertWatcher(CTracklistDlg& dlg) : m_dlg(dlg) { qApp->installEventFilter(this); }
  ~InsertWatcher() override { qApp->removeEventFilter(this); }
  std::vector<std::pair<bool, int>> seen;  // window visible, lines then

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == m_dlg.Window()) {
      QAbstractItemModel* model = m_dlg.Window()->List().model();
      connect(model, &QAbstractItemModel::rowsInserted, this, [this, model] {
        seen.emplace_back(m_dlg.Window()->isVisible(), model->rowCount());
      });
    }
    return false;
  }

 private:
  CTracklistDlg& m_dlg;
};

TEST_F(TracklistDlgTest, PendingDropIsAddedLineByLineOnceTheWindowShows) {
  m_dir.Write("drop/a.txt", "x");
  m_dir.Write("drop/sub/b.txt", "x");
  m_dir.Write("drop/sub/c.txt", "x");
  InsertWatcher watcher(m_dlg);
  m_dlg.OpenWindow({m_dir.File("drop")});
  EXPECT_EQ(watcher.seen, (std::vector<std::pair<bool, int>>{{true, 1}, {true, 2}, {true, 3}}));
  EXPECT_EQ(ListTexts(), Names());
  EXPECT_NE(AlbumFile().find(m_dir.File("drop/sub/c.txt")), std::string::npos);
}

TEST_F(TracklistDlgTest, FilesDroppedOnTheWindowAreAddedOnceTheDropHasEnded) {
  const std::string file = m_dir.Write("dropped.txt", "x");
  m_dlg.OpenWindow();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file)), QUrl(QStringLiteral("https://example.org/x"))});
  QDragEnterEvent enter(QPoint(10, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_dlg.Window(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_dlg.Window(), &drop);
  EXPECT_EQ(m_dlg.GetTrackCount(), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(ListTexts(), std::vector<std::string>{"dropped.txt"});
  EXPECT_EQ(AlbumFile(), file + std::string(kLineEnd));
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

TEST_F(TracklistDlgTest, DropThatOpensTheWindowDuringTheAlbumLoadIsHeld) {
  const std::string listed = m_dir.Write("listed.txt", "x");
  const std::string dropped = m_dir.Write("dropped.txt", "x");
  WriteAlbumFile(listed + "\n");
  // The main window hands a drop over while the load dispatches events.
  QMetaObject::invokeMethod(&m_dlg, [&] { m_dlg.OpenWindow({dropped}); }, Qt::QueuedConnection);
  m_dlg.LoadAlbum();
  EXPECT_EQ(Names(), std::vector<std::string>{"listed.txt"});
  const std::vector<DropList> held = m_dlg.TakeHeldDrops();
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held.front(), DropList{dropped});
}

TEST_F(TracklistDlgTest, AddButtonAddsTheChosenFileWithoutSaving) {
  const std::string file = m_dir.Write("chosen.txt", "x");
  m_dlg.SetFileChooser([&file](QWidget*) { return QString::fromStdString(file); });
  m_dlg.OpenWindow();
  WriteAlbumFile("untouched\n");
  m_dlg.OnAdd();
  m_dlg.SetFileChooser([](QWidget*) { return QString(); });
  m_dlg.OnAdd();
  EXPECT_EQ(ListTexts(), std::vector<std::string>{"chosen.txt"});
  EXPECT_EQ(AlbumFile(), "untouched\n");
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
