#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

#include "tag_text_slot.h"
#include "wave_info_file.h"

class QLabel;
class QLineEdit;

// Kestrune's one window: opens a single WAVE file, shows its header summary,
// lets the user edit six INFO tags, and writes them back into the file. The
// tag memory (">" and "<") carries six texts from one file to the next.
class CTagEditorDlg : public QDialog {
  Q_OBJECT

 public:
  // Asks the user for a file to open; an empty result means Cancel.
  using FileChooser = std::function<QString(QWidget* parent)>;

  explicit CTagEditorDlg(QWidget* parent = nullptr);
  ~CTagEditorDlg() override;

  // Replaces the file dialog behind the Open button (tests answer for the user).
  void SetFileChooser(FileChooser chooser);

  // The common open routine of Open, dropping and the command line. Returns 1
  // when the file was opened and shown; on 0 the user was told and the window
  // still shows what it showed before.
  int OpenWaveFile(const QString& path);

  // Opens the first of the dropped files.
  void OnDropFiles(const QStringList& paths);

  void OnOpen();
  void OnRecallTags();    // "<"
  void OnRememberTags();  // ">"
  void OnClear();
  void OnSave();
  void OnCloseFile();  // the Close button
  void OnExit();
  void OnAbout();

  bool FileOpen() const { return m_bFileOpen; }

  // Every way of closing the window ends here: the file is closed first.
  void reject() override;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // One of the six tag edits, in the order Artist, Name, Genre, Created,
  // Source, Comment (the order of the tag memory and of filling).
  struct TagField {
    std::uint32_t id;
    QLineEdit* edit;
    CTagTextSlot slot;
  };
  static constexpr std::size_t kTagCount = 6;

  void BuildControls();
  void BuildContextMenu();
  void ShowText(QLineEdit* edit, CTagTextSlot& slot, const QString& text,
                const std::string& bytes);
  void ShowSummary();
  void FillEdits();
  void EmptyEdits();
  // Closes the file behind the window, if any.
  void CloseCurrentFile();
  void ReportWriteFailure();
  // Stores the six edits and writes them; 1 when the file took them.
  int SaveTags();
  bool TagsEdited() const;
  // Before typed work would be lost: asks whether to save it. False when the
  // user cancels, or chose Save and the save failed (the edits stay).
  bool MaySetEditsAside();
  void ShowPendingWarnings();

  bool m_bFileOpen = false;
  CWaveInfoFile m_wave;
  std::array<TagField, kTagCount> m_tags{};
  std::array<QLabel*, 7> m_summaryValues{};  // file name, RIFF size, five format texts
  std::array<RememberedTag, kTagCount> m_tagMemory{};
  FileChooser m_fileChooser;
  // What the reader had to say about the file being opened, shown once it is
  // known to be a WAVE file at all.
  std::vector<std::string> m_pendingWarnings;
};
