#include "dictionary_dlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "dictionary_layout.h"
#include "dictionary_window.h"
#include "message_box.h"
#include "tracklist_fakes.h"

namespace {

class DictionaryDlgTest : public testing::Test {
 protected:
  DictionaryDlgTest() : m_dlg(nullptr, m_dir.File("default.dic")) {}

  void AddKeys(const std::vector<std::string>& keys) {
    for (const auto& key : keys) {
      MediaEntry record = DictionaryStore::MakeRecord(key);
      record.m_strName = key;
      record.m_strArtist = "Artist of " + key;
      m_dlg.Entries().Add(record);
    }
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (int i = 0; i < m_dlg.GetSize(); ++i) keys.push_back(m_dlg.Entries().At(i).m_strFile);
    return keys;
  }
  std::vector<std::string> ListTexts() const {
    std::vector<std::string> texts;
    const QAbstractItemModel& model = *List().model();
    for (int i = 0; i < model.rowCount(); ++i) texts.push_back(model.index(i, 0).data().toString().toStdString());
    return texts;
  }
  QListView& List() const { return m_dlg.Window()->List(); }
  QLineEdit& Edit(int id) const { return *m_dlg.Window()->Edit(id); }
  // A click on a line, as the user makes it.
  void ClickLine(int row) {
    const QRect rect = List().visualRect(List().model()->index(row, 0));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, rect.center());
  }
  std::string SavedFile() const { return SavedText(m_dir.File("default.dic")); }

  CMessageBoxRecorder m_messages;
  TempDir m_dir;
  CDictionaryDlg m_dlg;
};

// Every record is seven lines: neither a pasted paragraph nor a file name with
// a line break may shift the records after it. A dropped file the dictionary
// knows already is not added again.
TEST_F(DictionaryDlgTest, NoLineBreakReachesTheFile) {
  AddKeys({"a.wav", "b.wav"});
  m_dlg.OpenWindow();
  ClickLine(0);
  Edit(IDC_DIC_COMMENT).setText(QStringLiteral("first\r\nsecond\nthird"));
  m_dlg.OnDropFiles({m_dir.Write("bad\nname.wav", "x"), m_dir.Write("c.wav", "x"), m_dir.Write("b.wav", "x")});
  m_dlg.CloseWindow();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(m_dlg.Entries().At(0).m_strComment, "first second third");
  ASSERT_EQ(m_messages.Texts().size(), 1);
  EXPECT_TRUE(m_messages.Texts().first().contains(QStringLiteral("bad\\nname.wav")));
  DictionaryStore reloaded({}, m_dir.File("default.dic"));
  reloaded.LoadDictionary();
  ASSERT_EQ(reloaded.GetSize(), 3);
  EXPECT_EQ(reloaded.Entries().At(2).m_strFile, "c.wav");
  EXPECT_EQ(reloaded.Entries().At(0).m_strComment, "first second third");
}

// A dropped folder is taken whole, listed and saved; a drop while it is
// scanned is refused.
TEST_F(DictionaryDlgTest, DropDuringAnotherDropIsRefused) {
  m_dir.Write("drop/a.wav", "x");
  m_dir.Write("drop/sub/b.wav", "x");
  const std::string late = m_dir.Write("late.wav", "x");
  m_dlg.OpenWindow();
  int refused = -1;
  // Runs at the scan's first dispatch of waiting events.
  QMetaObject::invokeMethod(&m_dlg, [&] { refused = m_dlg.OnDropFiles({late}); }, Qt::QueuedConnection);
  EXPECT_EQ(m_dlg.OnDropFiles({m_dir.File("drop")}), 1);
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(m_dlg.GetSize(), 2);
  EXPECT_EQ(ListTexts(), Keys());
  DictionaryStore reloaded({}, m_dir.File("default.dic"));
  reloaded.LoadDictionary();
  EXPECT_EQ(reloaded.GetSize(), 2);
}

TEST_F(DictionaryDlgTest, SortOrdersKeysByBytesAndShowsNoEntry) {
  AddKeys({"b", "a", "B", "A"});
  m_dlg.OpenWindow();
  ClickLine(0);
  EXPECT_EQ(Edit(IDC_DIC_NAME).text(), "b");
  m_dlg.OnSort();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"A", "B", "a", "b"}));
  EXPECT_EQ(ListTexts(), Keys());
  EXPECT_EQ(Edit(IDC_DIC_NAME).text(), "");
  EXPECT_TRUE(m_dlg.Window()->SelectedIndexes().empty());
  EXPECT_EQ(SavedFile().substr(0, 2), "A" + std::string(kLineEnd).substr(0, 1));
}

// Typed text is stored when another line is chosen or the window closes; a
// field not typed into keeps its bytes, even those that are not UTF-8.
TEST_F(DictionaryDlgTest, TypedTextIsStoredOnNextSelectionAndOnClosingAndUntouchedFieldsKeepTheirBytes) {
  AddKeys({"a.wav", "b.wav"});
  MediaEntry latin1 = m_dlg.Entries().GetAt(0);
  latin1.m_strArtist = "Caf\xE9";  // shown as Latin-1
  m_dlg.Entries().SetAt(0, latin1);
  m_dlg.OpenWindow();
  ClickLine(0);
  EXPECT_EQ(Edit(IDC_DIC_ARTIST).text(), QString::fromUtf8("Caf\xC3\xA9"));
  Edit(IDC_DIC_COMMENT).setText(QStringLiteral("New comment"));
  ClickLine(1);
  EXPECT_EQ(m_dlg.Entries().At(0).m_strComment, "New comment");
  EXPECT_EQ(m_dlg.Entries().At(0).m_strArtist, "Caf\xE9");
  EXPECT_EQ(Edit(IDC_DIC_ARTIST).text(), "Artist of b.wav");
  Edit(IDC_DIC_ARTIST).setText(QStringLiteral("New artist"));
  m_dlg.Window()->reject();
  EXPECT_FALSE(m_dlg.WindowExists());
  EXPECT_EQ(m_dlg.Entries().At(1).m_strArtist, "New artist");
  const std::string saved = SavedFile();
  for (const char* text : {"New comment", "New artist", "Caf\xE9"}) EXPECT_NE(saved.find(text), std::string::npos);
}

// The Delete key deletes without saving; the Delete button saves, also with
// nothing selected, and then changes nothing else.
TEST_F(DictionaryDlgTest, DeletingTheShownEntryLeavesTheNextOneUntouched) {
  AddKeys({"a.wav", "b.wav", "c.wav"});
  m_dlg.OpenWindow();
  ClickLine(2);
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(Keys(), (std::vector<std::string>{"a.wav", "b.wav"}));
  EXPECT_EQ(ListTexts(), Keys());
  EXPECT_EQ(Edit(IDC_DIC_NAME).text(), "");
  EXPECT_EQ(SavedFile(), "");
  ClickLine(0);
  EXPECT_EQ(m_dlg.Entries().At(0).m_strName, "a.wav");
  EXPECT_EQ(m_dlg.Entries().At(0).m_strArtist, "Artist of a.wav");
  EXPECT_EQ(m_dlg.Entries().At(1).m_strName, "b.wav");
  List().selectionModel()->clearSelection();
  m_dlg.OnDelete();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"a.wav", "b.wav"}));
  EXPECT_EQ(Edit(IDC_DIC_NAME).text(), "a.wav");
  EXPECT_EQ(m_dlg.CurrentIndex(), 0);
  EXPECT_EQ(SavedFile().find("c.wav"), std::string::npos);
  EXPECT_NE(SavedFile().find("b.wav"), std::string::npos);
}

}  // namespace
