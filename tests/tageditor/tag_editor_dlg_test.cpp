#include "tag_editor_dlg.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "editor_test_files.h"
#include "message_box.h"
#include "save_journal.h"
#include "temp_dir.h"

namespace {

const QString kOpenError = QStringLiteral("Error opening file\nMust be a WAVE file\nMust not be write-protected");
const char* const kSixTags[] = {"IART", "INAM", "IGNR", "ICRD", "ISRC", "ICMT"};

// IART in Latin-1, ICMT in UTF-8, and a tag the window does not show.
const Bytes kTaggedA = CanonicalWave(
    SampleBytes(400), {{"IART", "Bj\xF6rk"}, {"INAM", "Joga"}, {"IGNR", "Pop"}, {"ICRD", "1997"},
                       {"ISRC", "Homogenic"}, {"ICMT", "Caf\xC3\xA9"}, {"ISFT", "Tool"}});

class TagEditorDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previousAnswerer = SetSaveChangesAnswerer([this](const QString& text) { m_questions.append(text); return m_answer; });
    m_dlg.show();
  }
  void TearDown() override { SetSaveChangesAnswerer(std::move(m_previousAnswerer)); }

  QString Make(const std::string& name, const Bytes& bytes) { return QString::fromStdString(m_dir.Write(name, bytes)); }
  QLineEdit* Edit(const char* name) { return m_dlg.findChild<QLineEdit*>(name); }
  QString Value(const char* name) { return m_dlg.findChild<QLabel*>(name)->text(); }
  void Click(const char* name) { QTest::mouseClick(m_dlg.findChild<QPushButton*>(name), Qt::LeftButton); }
  // Types over the edit's text, also characters QTest::keyClicks cannot send.
  void Type(const char* edit, const QString& text) {
    Edit(edit)->selectAll();
    for (QChar character : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QApplication::sendEvent(Edit(edit), &press);
    }
  }
  QStringList EditTexts() {
    QStringList texts;
    for (const char* name : {"IDC_ARTIST", "IDC_NAME", "IDC_GENRE", "IDC_CREATED", "IDC_SOURCE", "IDC_COMMENT"}) texts.append(Edit(name)->text());
    return texts;
  }
  static std::string Tag(const QString& path, const std::string& id) { return ReadTag(path.toStdString(), id); }

  TempDir m_dir;
  CMessageBoxRecorder m_boxes;
  QStringList m_questions;
  SaveChangesAnswer m_answer = SaveChangesAnswer::Discard;
  SaveChangesAnswerer m_previousAnswerer;
  CTagEditorDlg m_dlg;
};

// Of three files dropped on the window the first is opened, by its whole path.
// Files that cannot be opened for reading and writing change nothing.
TEST_F(TagEditorDlgTest, TheFirstDroppedFileIsShownFilesThatCannotBeOpenedChangeNothingAndATypedNameIsSaved) {
  const QString path = Make(std::string(90, 'd') + "/" + std::string(90, 'e') + "/a.wav", kTaggedA);
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(Make("b.wav", CanonicalWave(SampleBytes(10)))),
                QUrl::fromLocalFile(Make("c.wav", CanonicalWave(SampleBytes(10))))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&m_dlg, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&m_dlg, &drop);
  QApplication::processEvents();
  EXPECT_EQ(QStringList({Value("IDC_FILENAME"), Value("IDC_FORMAT"), Value("IDC_SAMPLERATE"),
                         Value("IDC_BITSPERSAMPLE"), Value("IDC_CHANNELS"), Value("IDC_DATARATE")}),
            QStringList({"a.wav", "PCM", "44100", "16", "Stereo", "172 KB/s"}));
  EXPECT_EQ(EditTexts(), QStringList({"Björk", "Joga", "Pop", "1997", "Homogenic", "Café"}));
  Type("IDC_NAME", QStringLiteral("Noël"));
  Edit("IDC_SOURCE")->setText(QString(300, 'x'));  // pasted; written whole
  Click("IDC_SAVE");
  Make("notes.txt", kTaggedA);
  Make("folder.wav/inside.wav", kTaggedA);
  m_dir.Write("text.wav", std::string("dataLIST plain text, not a RIFF file"));
  ASSERT_EQ(mkfifo(m_dir.File("pipe.wav").c_str(), 0600), 0);
  alarm(10);  // opening the pipe would wait for a writer: the alarm ends the test program
  for (const char* name : {"notes.txt", "folder.wav", "missing.wav", "text.wav", "pipe.wav"})
    EXPECT_EQ(m_dlg.OpenWaveFile(QString::fromStdString(m_dir.File(name))), 0) << name;
  alarm(0);
  EXPECT_EQ(QStringList({Value("IDC_FILENAME"), Edit("IDC_NAME")->text()}), QStringList({"a.wav", "Noël"}));
  Click("IDC_CLOSE");
  // Typed: Latin-1 when it fits; untouched Latin-1 and UTF-8 are kept as they were, not re-encoded.
  EXPECT_EQ((std::vector<std::string>{Tag(path, "INAM"), Tag(path, "ISRC"), Tag(path, "IART"), Tag(path, "ICMT"), Tag(path, "ISFT")}),
            (std::vector<std::string>{"No\xEBl", std::string(300, 'x'), "Bj\xF6rk", "Caf\xC3\xA9", "Tool"}));
  // Close emptied the window.
  EXPECT_EQ(std::tuple(m_dlg.FileOpen(), EditTexts(), Value("IDC_FILENAME") + Value("IDC_RIFFSIZE") + Value("IDC_DATARATE"),
                       m_boxes.Texts(), m_boxes.All().front().caption),
            std::tuple(false, QStringList(6, QString()), QString(), QStringList(5, kOpenError), QStringLiteral("Kestrune")));
}

TEST_F(TagEditorDlgTest, TagMemoryCarriesOneFilesTagsToAnotherAndClearRemovesThem) {
  const QString a = Make("a.wav", kTaggedA);
  const QString b = Make("b.wav", CanonicalWave(SampleBytes(9), {{"INAM", "B"}, {"IGNR", "Rock"}}));
  Click("IDC_RECALL");  // before any ">": empties the edits
  EXPECT_EQ(EditTexts(), QStringList(6, QString()));
  m_dlg.OpenWaveFile(a);
  Click("IDC_REMEMBER");
  m_dlg.OpenWaveFile(b);
  Click("IDC_RECALL");
  Click("IDC_SAVE");
  Click("IDC_CLOSE");
  for (const char* id : kSixTags) EXPECT_EQ(Tag(b, id), Tag(a, id)) << id;
  // Clear then Save removes the six sub-chunks; none is left empty.
  m_dlg.OpenWaveFile(a);
  Click("IDC_CLEAR");
  Click("IDC_SAVE");
  Click("IDC_CLOSE");
  for (const char* id : kSixTags) EXPECT_EQ(ToText(ReadFileBytes(a.toStdString())).find(id), std::string::npos) << id;
}

// A save the file refuses is named; when it answered "Save changes", the
// window stays with the typed tags, on closing as on opening another file.
TEST_F(TagEditorDlgTest, ReaderAndWriterMessagesAreShownAndARefusedSaveKeepsTheTypedTags) {
  m_dlg.OpenWaveFile(
      Make("z.wav", RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("data", SampleBytes(40), {0u, true}).Build()));
  EXPECT_EQ(Value("IDC_FILENAME"), QStringLiteral("z.wav"));
  const QString late = Make("late.wav", TrailedWave());
  const Bytes before = ReadFileBytes(late.toStdString());
  m_dlg.OpenWaveFile(late);
  Type("IDC_NAME", QStringLiteral("New"));
  m_answer = SaveChangesAnswer::Save;
  m_dlg.close();
  EXPECT_TRUE(m_dlg.isVisible() && Edit("IDC_NAME")->text() == QStringLiteral("New"));
  m_answer = SaveChangesAnswer::Discard;
  Click("IDC_CLOSE");
  // A file another program moved over the open one is not written.
  const QString a = Make("a.wav", kTaggedA);
  m_dlg.OpenWaveFile(a);
  Type("IDC_NAME", QStringLiteral("Lost?"));
  const Bytes other = CanonicalWave(SampleBytes(8), {{"INAM", "Other"}});
  ASSERT_EQ(std::rename(Make("a.new", other).toLocal8Bit().constData(), a.toLocal8Bit().constData()), 0);
  m_answer = SaveChangesAnswer::Save;
  m_dlg.SetFileChooser([&](QWidget*) { return late; });
  Click("IDC_OPEN");
  EXPECT_EQ(EditTexts(), QStringList({"Björk", "Lost?", "Pop", "1997", "Homogenic", "Café"}));
  // An interrupted save whose journal does not fit the file is named, and the
  // file is not shown.
  m_dir.Write(".late.wav-journal", EncodeSaveJournal({before.size(), before.size(), {{4, ToBytes("abcd"), ToBytes("efgh")}}}));
  EXPECT_EQ(m_dlg.OpenWaveFile(late), 0);
  const QStringList expected = {QStringLiteral("error decoding data size"), QStringLiteral("The tags were not saved"),
                                QStringLiteral("The tags were not saved: another program replaced, removed or changed a.wav"),
                                QStringLiteral("A save of late.wav was interrupted")};
  ASSERT_EQ(m_boxes.Texts().size(), expected.size());
  for (qsizetype i = 0; i < expected.size(); ++i) EXPECT_TRUE(m_boxes.Texts()[i].startsWith(expected[i])) << m_boxes.Texts()[i].toStdString();
  EXPECT_EQ(std::tuple(ReadFileBytes(late.toStdString()), ReadFileBytes(a.toStdString())), std::tuple(before, other));
}

// Typed work is not thrown away without asking; Cancel keeps the window and
// the edit, Save writes it and goes on.
TEST_F(TagEditorDlgTest, EditedFieldsAskBeforeTheyAreLost) {
  const QString path = Make("a.wav", kTaggedA);
  m_dlg.OpenWaveFile(path);
  QTest::keyClick(&m_dlg, Qt::Key_Return);  // nothing edited: Enter closes without asking
  ASSERT_FALSE(m_dlg.isVisible());
  m_dlg.show();
  m_dlg.OpenWaveFile(path);
  Type("IDC_NAME", QStringLiteral("Typed"));
  m_answer = SaveChangesAnswer::Cancel;
  QTest::keyClick(&m_dlg, Qt::Key_Escape);
  Click("IDC_CLOSE");
  EXPECT_TRUE(m_dlg.isVisible() && Edit("IDC_NAME")->text() == QStringLiteral("Typed") && Tag(path, "INAM") == "Joga");
  m_answer = SaveChangesAnswer::Save;
  QTest::keyClick(&m_dlg, Qt::Key_Escape);
  EXPECT_EQ(std::tuple(m_dlg.isVisible(), Tag(path, "INAM"), m_questions),
            std::tuple(false, "Typed", QStringList(3, QStringLiteral("Save changes to a.wav?"))));
}

}  // namespace
