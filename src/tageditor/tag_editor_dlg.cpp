#include "tag_editor_dlg.h"

#include <algorithm>
#include <limits>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "dialog_units.h"
#include "fitted_font.h"
#include "four_cc.h"
#include "kestrune_icon.h"
#include "message_box.h"
#include "tag_editor_about_dlg.h"
#include "tag_editor_ids.h"
#include "tag_editor_layout.h"
#include "text_encoding.h"

namespace {

using tag_editor_layout::ControlKind;
using tag_editor_layout::ControlTemplate;

const QString kOpenErrorText =
    QStringLiteral("Error opening file\nMust be a WAVE file\nMust not be write-protected");

// The edits' tags in the order of the tag memory, and the order in which
// Save stores them (by index into that order).
constexpr std::array<std::uint32_t, 6> kTagIds = {fourcc::kIART, fourcc::kINAM, fourcc::kIGNR,
                                                  fourcc::kICRD, fourcc::kISRC, fourcc::kICMT};
constexpr std::array<int, 6> kTagEditIds = {IDC_ARTIST,  IDC_NAME,   IDC_GENRE,
                                            IDC_CREATED, IDC_SOURCE, IDC_COMMENT};
constexpr std::array<std::size_t, 6> kSaveOrder = {0, 1, 2, 3, 5, 4};
constexpr std::array<int, 7> kSummaryIds = {IDC_FILENAME,      IDC_RIFFSIZE, IDC_FORMAT,
                                            IDC_SAMPLERATE,    IDC_BITSPERSAMPLE,
                                            IDC_CHANNELS,      IDC_DATARATE};

// Paths and file names are bytes on disk; Qt holds them in the locale's
// file-name encoding.
std::string PathBytes(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString DisplayTagText(const std::string& bytes) {
  return QString::fromStdString(DecodeTagTextToUtf8(bytes));
}

QString DefaultFileChooser(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, QString(), QString(), QStringLiteral("RIFF (*.wav)"));
}

// The largest font that lets every label keep to its place in the layout.
QFont FittedWindowFont(const QFont& base) {
  QList<TextInWidth> labels;
  for (const ControlTemplate& control : tag_editor_layout::kControls) {
    if (control.kind == ControlKind::Label) {
      const QRect rect = dialog_units::ToPixels(control.x, control.y, control.width, control.height);
      labels.append({QString::fromLatin1(control.text), rect.width()});
    }
  }
  return FitFontToWidths(base, labels, 9.0, 7.0);
}

}  // namespace

CTagEditorDlg::CTagEditorDlg(QWidget* parent)
    : QDialog(parent), m_fileChooser(DefaultFileChooser) {
  setObjectName(QStringLiteral("IDD_TAGEDITOR_DIALOG"));
  setWindowTitle(QStringLiteral("Kestrune"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(KestruneIcon());
  setFont(FittedWindowFont(font()));
  setFixedSize(dialog_units::ToPixels(QSize(tag_editor_layout::kWidth, tag_editor_layout::kHeight)));
  BuildControls();
  BuildContextMenu();
  setAcceptDrops(true);
  m_bFileOpen = false;
  m_wave.SetAccessMode(ReadWrite);
  m_wave.SetMessageSink([this](const std::string& text) { m_pendingWarnings.push_back(text); });
}

CTagEditorDlg::~CTagEditorDlg() = default;

void CTagEditorDlg::BuildControls() {
  const std::array<void (CTagEditorDlg::*)(), 7> buttonCommands = {
      &CTagEditorDlg::OnOpen,  &CTagEditorDlg::OnRecallTags, &CTagEditorDlg::OnRememberTags,
      &CTagEditorDlg::OnClear, &CTagEditorDlg::OnSave,       &CTagEditorDlg::OnCloseFile,
      &CTagEditorDlg::OnExit};
  std::size_t nextButton = 0;
  for (const ControlTemplate& control : tag_editor_layout::kControls) {
    const QRect rect = dialog_units::ToPixels(control.x, control.y, control.width, control.height);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Label:
      case ControlKind::Value: {
        auto* label = new QLabel(QString::fromLatin1(control.text), this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        widget = label;
        break;
      }
      case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        // Tags are written whole, however long.
        edit->setMaxLength(std::numeric_limits<int>::max());
        widget = edit;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromLatin1(control.text), this);
        // Enter closes the window whichever button has the focus.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, buttonCommands.at(nextButton++));
        widget = button;
        break;
      }
    }
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(rect);
    if (control.kind == ControlKind::Value) {
      const auto at = std::find(kSummaryIds.begin(), kSummaryIds.end(), control.id);
      m_summaryValues.at(static_cast<std::size_t>(at - kSummaryIds.begin())) =
          static_cast<QLabel*>(widget);
    } else if (control.kind == ControlKind::Edit) {
      const auto at = std::find(kTagEditIds.begin(), kTagEditIds.end(), control.id);
      const auto index = static_cast<std::size_t>(at - kTagEditIds.begin());
      m_tags.at(index).id = kTagIds.at(index);
      m_tags.at(index).edit = static_cast<QLineEdit*>(widget);
    }
  }
}

void CTagEditorDlg::BuildContextMenu() {
  // Desktop window menus take no entries of a program's own, so the About
  // entry lives in the window's context menu.
  auto* about = new QAction(QStringLiteral("&About Kestrune..."), this);
  about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
  connect(about, &QAction::triggered, this, &CTagEditorDlg::OnAbout);
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CTagEditorDlg::SetFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

// A file whose name ends in wav but that is no RIFF WAVE file (a text file,
// say) is refused like one that cannot be opened, rather than shown as a
// header of whatever bytes stand at its offsets.
int CTagEditorDlg::OpenWaveFile(const QString& path) {
  m_pendingWarnings.clear();
  if (!m_wave.Open(PathBytes(path))) {
    // An interrupted save that cannot be undone is named in its own sentence.
    const std::string why = m_wave.LastError();
    ShowMessageBox(this, why.empty() ? kOpenErrorText : QString::fromStdString(why));
    return 0;
  }
  m_wave.Parse();
  if (!m_wave.IsRiffWave()) {
    m_wave.Close();
    ShowMessageBox(this, kOpenErrorText);
    return 0;
  }
  m_bFileOpen = true;
  ShowPendingWarnings();
  ShowSummary();
  FillEdits();
  return 1;
}

void CTagEditorDlg::ShowPendingWarnings() {
  for (const std::string& text : m_pendingWarnings) ShowMessageBox(this, QString::fromStdString(text));
  m_pendingWarnings.clear();
}

void CTagEditorDlg::ShowSummary() {
  const StreamSummary& summary = m_wave.Summary();
  const std::array<QString, 7> texts = {
      QFile::decodeName(QByteArray::fromStdString(m_wave.FileName())),
      QString::fromStdString(summary.RiffSize),
      QString::fromStdString(summary.FormatName),
      QString::fromStdString(summary.SampleRate),
      QString::fromStdString(summary.BitsPerSample),
      QString::fromStdString(summary.Channels),
      QString::fromStdString(summary.DataRate)};
  for (std::size_t i = 0; i < texts.size(); ++i) m_summaryValues.at(i)->setText(texts.at(i));
  // A long name is cut at the window's edge; the tooltip shows it whole.
  m_summaryValues.front()->setToolTip(texts.front());
}

void CTagEditorDlg::ShowText(QLineEdit* edit, CTagTextSlot& slot, const QString& text,
                             const std::string& bytes) {
  edit->setText(text);
  edit->setCursorPosition(0);  // a long text shows its beginning
  // Remember the text as the edit keeps it, so an untouched edit compares equal.
  slot.Show(edit->text(), bytes);
}

void CTagEditorDlg::FillEdits() {
  for (TagField& tag : m_tags) {
    std::string bytes;
    m_wave.GetTag(tag.id, bytes);
    ShowText(tag.edit, tag.slot, DisplayTagText(bytes), bytes);
  }
}

void CTagEditorDlg::EmptyEdits() {
  for (TagField& tag : m_tags) tag.edit->clear();
}

void CTagEditorDlg::CloseCurrentFile() {
  // After a failed open FileOpen is still set, but nothing is open. Every
  // save was complete when it returned, so closing has nothing to report.
  if (!m_bFileOpen || !m_wave.IsOpen()) return;
  m_wave.Close();
}

void CTagEditorDlg::ReportWriteFailure() {
  // Refusals for want of an open file stay silent; a write the file could not
  // take is reported (the file is then left as it was).
  if (!m_wave.LastError().empty()) {
    ShowMessageBox(this, QString::fromStdString(m_wave.LastError()));
  }
}

bool CTagEditorDlg::TagsEdited() const {
  return std::any_of(m_tags.begin(), m_tags.end(),
                     [](const TagField& tag) { return tag.slot.Changed(tag.edit->text()); });
}

bool CTagEditorDlg::MaySetEditsAside() {
  if (!m_bFileOpen || !m_wave.IsOpen() || !TagsEdited()) return true;
  const QString name = QFile::decodeName(QByteArray::fromStdString(m_wave.FileName()));
  switch (AskSaveChanges(this, QStringLiteral("Save changes to %1?").arg(name))) {
    case SaveChangesAnswer::Save:
      return SaveTags() == 1;
    case SaveChangesAnswer::Discard:
      return true;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return false;
}

void CTagEditorDlg::OnOpen() {
  const QString path = m_fileChooser(this);
  if (path.isEmpty() || !MaySetEditsAside()) return;
  CloseCurrentFile();
  OpenWaveFile(path);
}

void CTagEditorDlg::OnDropFiles(const QStringList& paths) {
  if (paths.isEmpty() || !MaySetEditsAside()) return;
  CloseCurrentFile();
  OpenWaveFile(paths.front());
}

void CTagEditorDlg::OnRecallTags() {
  for (std::size_t i = 0; i < kTagCount; ++i) {
    ShowText(m_tags.at(i).edit, m_tags.at(i).slot, m_tagMemory.at(i).text,
             m_tagMemory.at(i).bytes);
  }
}

void CTagEditorDlg::OnRememberTags() {
  // The memory keeps the bytes too, so a tag carried unchanged to another
  // file arrives there exactly as it was.
  for (std::size_t i = 0; i < kTagCount; ++i) {
    const TagField& tag = m_tags.at(i);
    m_tagMemory.at(i) = {tag.edit->text(), tag.slot.BytesFor(tag.edit->text())};
  }
}

void CTagEditorDlg::OnClear() { EmptyEdits(); }

void CTagEditorDlg::OnSave() { SaveTags(); }

// After a save the file holds what the edits show: that is what later edits
// are compared with.
int CTagEditorDlg::SaveTags() {
  std::array<std::string, kTagCount> bytes;
  for (std::size_t index : kSaveOrder) {
    const TagField& tag = m_tags.at(index);
    bytes.at(index) = tag.slot.BytesFor(tag.edit->text());
    m_wave.SetTag(tag.id, bytes.at(index));
  }
  if (!m_wave.WriteInfo()) {
    ReportWriteFailure();
    return 0;
  }
  for (std::size_t i = 0; i < kTagCount; ++i) m_tags.at(i).slot.Show(m_tags.at(i).edit->text(), bytes.at(i));
  return 1;
}

void CTagEditorDlg::OnCloseFile() {
  if (!MaySetEditsAside()) return;
  for (QLabel* value : m_summaryValues) value->clear();
  m_summaryValues.front()->setToolTip(QString());
  for (TagField& tag : m_tags) ShowText(tag.edit, tag.slot, QString(), std::string());
  CloseCurrentFile();
  m_bFileOpen = false;
}

void CTagEditorDlg::OnExit() { reject(); }

void CTagEditorDlg::OnAbout() {
  CTagEditorAboutDlg about(this);
  about.exec();
}

void CTagEditorDlg::reject() {
  if (!MaySetEditsAside()) return;
  CloseCurrentFile();
  m_bFileOpen = false;
  QDialog::reject();
}

void CTagEditorDlg::dragEnterEvent(QDragEnterEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      return;
    }
  }
}

void CTagEditorDlg::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // The drop ends before the file is opened: a message box shown inside the
  // drop would hold up the program the files came from.
  QMetaObject::invokeMethod(
      this, [this, paths] { OnDropFiles(paths); }, Qt::QueuedConnection);
}

void CTagEditorDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}
