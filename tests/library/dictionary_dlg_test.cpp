#include "dictionary_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QTest>

#include "dictionary_layout.h"
#include "dictionary_window.h"
#include "list_checks.h"
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
  // Opens the window. Every later update of its list's model is checked as a
  // view relies on it; the first one told wrongly ends the test program.
  void Open() {
    m_dlg.OpenWindow();
    new QAbstractItemModelTester(List().model(), QAbstractItemModelTester::FailureReportingMode::Fatal, List().model());
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

// Neither a pasted paragraph nor a name with a line break may shift the
// seven-line records. A dropped folder is taken whole, without known names;
// a drop during its scan is refused.
TEST_F(DictionaryDlgTest, DroppedFilesAreAddedOnceAndNoLineBreakReachesTheFile) {
  AddKeys({"a.wav", "b.wav"});
  for (const char* name : {"drop/b.wav", "drop/bad\nname.wav", "drop/c.wav", "drop/sub/d.wav"}) m_dir.Write(name, "x");
  const std::string late = m_dir.Write("late.wav", "x");
  Open();
  ClickLine(0);
  Edit(IDC_DIC_COMMENT).setText(QStringLiteral("first\r\nsecond\nthird\rfourth"));
  int refused = -1;
  // Runs at the scan's first dispatch of waiting events.
  QMetaObject::invokeMethod(&m_dlg, [&] { refused = m_dlg.OnDropFiles({late}); }, Qt::QueuedConnection);
  EXPECT_EQ((std::tuple{m_dlg.OnDropFiles({m_dir.File("drop")}), refused, Keys(), ListTexts(List()) == Keys()}),
            std::tuple(1, 0, std::vector<std::string>{"a.wav", "b.wav", "c.wav", "d.wav"}, true));
  ASSERT_EQ(m_messages.Texts().size(), 1);
  EXPECT_TRUE(m_messages.Texts().first().contains(QStringLiteral("bad\\nname.wav")));
  m_dlg.CloseWindow();
  DictionaryStore reloaded({}, m_dir.File("default.dic"));
  reloaded.LoadDictionary();
  ASSERT_EQ(reloaded.GetSize(), 4);
  EXPECT_EQ(std::tuple(reloaded.Entries().At(3).m_strFile, reloaded.Entries().At(0).m_strComment),
            std::tuple("d.wav", "first second third fourth"));
}

// Typed text is stored when another line is chosen or the window closes; a
// field not typed into keeps its bytes, even those that are not UTF-8.
TEST_F(DictionaryDlgTest, TypedTextIsStoredOnNextSelectionAndOnClosingAndUntouchedFieldsKeepTheirBytes) {
  AddKeys({"Caf\xE9", "b.wav"});  // a name in Latin-1
  Open();
  ClickLine(0);
  EXPECT_EQ(Edit(IDC_DIC_NAME).text(), QString::fromUtf8("Caf\xC3\xA9"));
  Edit(IDC_DIC_COMMENT).setText(QStringLiteral("New comment"));
  ClickLine(1);
  EXPECT_EQ(std::tuple(m_dlg.Entries().At(0).m_strComment, m_dlg.Entries().At(0).m_strName, Edit(IDC_DIC_ARTIST).text()),
            std::tuple("New comment", "Caf\xE9", QStringLiteral("Artist of b.wav")));
  Edit(IDC_DIC_ARTIST).setText(QStringLiteral("New artist"));
  m_dlg.Window()->reject();
  EXPECT_EQ(std::tuple(m_dlg.WindowExists(), m_dlg.Entries().At(1).m_strArtist), std::tuple(false, "New artist"));
  EXPECT_TRUE(SavedFile().starts_with(Lines({"Caf\xE9", "Caf\xE9", "Artist of Caf\xE9", "", "", "", "New comment",
                                              "b.wav", "b.wav", "New artist"})));
}

// The Delete key deletes without saving, leaving the next line as it was. Sort
// orders keys by bytes, shows no entry and saves; the Delete button saves also
// with nothing selected, and changes nothing else.
TEST_F(DictionaryDlgTest, TheDeleteKeyDeletesWithoutSavingAndSortAndTheDeleteButtonSave) {
  AddKeys({"b", "a", "c", "B", "A"});
  Open();
  ClickLine(2);
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(std::tuple(Keys(), ListTexts(List()), Edit(IDC_DIC_NAME).text(), SavedFile()),
            std::tuple(std::vector<std::string>{"b", "a", "B", "A"}, Keys(), QString(), ""));
  ClickLine(0);
  EXPECT_EQ(std::tuple(Edit(IDC_DIC_NAME).text(), m_dlg.Entries().At(2).m_strArtist), std::tuple(QStringLiteral("b"), "Artist of B"));
  m_dlg.OnSort();
  EXPECT_EQ(std::tuple(Keys(), ListTexts(List()), Edit(IDC_DIC_NAME).text(), m_dlg.Window()->SelectedIndexes()),
            std::tuple(std::vector<std::string>{"A", "B", "a", "b"}, Keys(), QString(), std::vector<int>{}));
  EXPECT_TRUE(SavedFile().starts_with(Lines({"A", "A", "Artist of A"})));
  ClickLine(0);
  List().selectionModel()->clearSelection();
  m_dir.Write("default.dic", "");
  m_dlg.OnDelete();
  EXPECT_EQ(std::tuple(Keys(), Edit(IDC_DIC_NAME).text(), m_dlg.CurrentIndex()),
            std::tuple(std::vector<std::string>{"A", "B", "a", "b"}, QStringLiteral("A"), 0));
  EXPECT_TRUE(SavedFile().starts_with(Lines({"A", "A", "Artist of A"})));
}

}  // namespace
