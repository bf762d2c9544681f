#include "dictionary_dlg.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "dictionary_layout.h"
#include "dictionary_window.h"
#include "entry_removal.h"
#include "entry_sort.h"
#include "line_breaks.h"
#include "path_parts.h"
#include "screen_text.h"
#include "wait_cursor.h"
#include "window_support.h"

namespace {

const QPoint kDefaultWindowPos{10, 10};

// The six fields and the texts they show, in one order.
struct FieldText {
  int id;
  std::string MediaEntry::*text;
};
constexpr std::array<FieldText, 6> kFields = {{
    {IDC_DIC_NAME, &MediaEntry::m_strName},
    {IDC_DIC_ARTIST, &MediaEntry::m_strArtist},
    {IDC_DIC_SOURCE, &MediaEntry::m_strSource},
    {IDC_DIC_GENRE, &MediaEntry::m_strGenre},
    {IDC_DIC_DATE, &MediaEntry::m_strDate},
    {IDC_DIC_COMMENT, &MediaEntry::m_strComment},
}};

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

CDictionaryDlg::CDictionaryDlg(QWidget* parent, std::string filePath)
    : DictionaryStore(MakeHooks(this), std::move(filePath)), m_pParent(parent) {}

CDictionaryDlg::~CDictionaryDlg() { delete m_pWindow.data(); }

PlatformHooks CDictionaryDlg::MakeHooks(CDictionaryDlg* self) {
  return QtPlatformHooks([self] { return self->MessageParent(); });
}

QWidget* CDictionaryDlg::MessageParent() const {
  return m_pWindow != nullptr ? static_cast<QWidget*>(m_pWindow.data()) : m_pParent;
}

void CDictionaryDlg::OpenWindow() {
  if (WindowExists()) return;
  m_pWindow = new CDictionaryWindow(*this, m_pParent);
  m_pWindow->move(PlaceOnSomeScreen(QRect(m_ptWindow, m_pWindow->size()), kDefaultWindowPos));
  FillList();
  m_nCurrent = -1;
  m_shownTexts = {};
  m_pWindow->show();
  m_pWindow->raise();
}

void CDictionaryDlg::CloseWindow() {
  if (!WindowExists()) return;
  StoreEntry();
  SaveDictionary();
  DestroyWindow();
}

void CDictionaryDlg::DestroyWindow() {
  if (!WindowExists()) return;
  // Text typed into the fields is kept even when the main window exits.
  StoreEntry();
  CDictionaryWindow* window = m_pWindow;
  m_ptWindow = window->frameGeometry().topLeft();
  m_pWindow = nullptr;
  m_nCurrent = -1;
  window->hide();
  // Not deleted here: the close may come from one of the window's own handlers.
  window->deleteLater();
}

void CDictionaryDlg::FillList() {
  if (!WindowExists()) return;
  std::vector<QString> keys;
  keys.reserve(static_cast<std::size_t>(GetSize()));
  for (int i = 0; i < GetSize(); ++i) keys.push_back(ScreenText(Entries().At(i).m_strFile));
  m_pWindow->SetItems(std::move(keys));
}

void CDictionaryDlg::ShowTexts(const std::array<QString, 6>& texts) {
  m_shownTexts = texts;
  if (!WindowExists()) return;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    QLineEdit* edit = m_pWindow->Edit(kFields[i].id);
    edit->setText(texts[i]);
    edit->setCursorPosition(0);  // a long text shows its beginning
    // As the field keeps it, so an untouched field compares equal.
    m_shownTexts[i] = edit->text();
  }
}

void CDictionaryDlg::ShowEntry() {
  if (m_nCurrent < 0 || m_nCurrent >= GetSize()) return;
  const MediaEntry& entry = Entries().At(m_nCurrent);
  std::array<QString, 6> texts;
  for (std::size_t i = 0; i < kFields.size(); ++i) texts[i] = ScreenText(entry.*kFields[i].text);
  ShowTexts(texts);
}

void CDictionaryDlg::StoreEntry() {
  if (!WindowExists() || m_nCurrent < 0 || m_nCurrent >= GetSize()) return;
  MediaEntry entry = Entries().GetAt(m_nCurrent);
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const QString typed = m_pWindow->Edit(kFields[i].id)->text();
    // A text the user left alone keeps its bytes, whatever they encode. The
    // fields hold one line; a pasted line break becomes a space.
    if (typed != m_shownTexts[i]) entry.*kFields[i].text = LineBreaksToSpaces(typed.toStdString());
  }
  Entries().SetAt(m_nCurrent, entry);
}

void CDictionaryDlg::OnSelChange() {
  if (!WindowExists()) return;
  StoreEntry();
  m_nCurrent = m_pWindow->CaretIndex();
  ShowEntry();
}

void CDictionaryDlg::ClearSelection() {
  if (WindowExists()) m_pWindow->ClearSelection();
  ShowTexts({});
  m_nCurrent = -1;
}

void CDictionaryDlg::DeleteSelection() {
  if (!WindowExists()) return;
  const std::vector<int> selected = m_pWindow->SelectedIndexes();
  if (selected.empty()) return;
  m_pWindow->RemoveItems(selected);
  RemoveIndexes(Entries(), selected);
  ClearSelection();
}

void CDictionaryDlg::OnDelete() {
  if (!WindowExists()) return;
  DeleteSelection();
  // Also with nothing selected: deletions made with the Delete key reach the file.
  SaveDictionary();
}

void CDictionaryDlg::OnSort() {
  StoreEntry();
  ClearSelection();
  SortEntries();
  SaveDictionary();
}

void CDictionaryDlg::SortEntries() {
  CWaitCursor wait;
  const std::vector<int> order = KeySortOrder(Entries());
  if (IsIdentityOrder(order)) return;
  ApplyOrder(Entries(), order);
  if (WindowExists()) m_pWindow->ReorderItems(order);
}

int CDictionaryDlg::OnDropFiles(const std::vector<std::string>& drop) {
  if (m_nDropGuard == 0) return 0;
  CWaitCursor wait;
  m_nDropGuard = 0;
  for (const std::string& path : drop) {
    if (fsys::IsFolder(path)) {
      ScanFolder(path);
    } else {
      AddFile(path);
    }
  }
  if (!m_leftOut.empty()) m_hooks.Message(LeftOutMessage(kDictionaryFileName, m_leftOut));
  m_leftOut.clear();
  SaveDictionary();
  m_nDropGuard = 1;
  return 1;
}

void CDictionaryDlg::AddFile(const std::string& path) {
  const std::string name = FileNamePart(path);
  if (IsDotEntry(name)) return;
  if (fsys::IsFolder(path)) {
    ScanFolder(path);
    return;
  }
  // A key holds one line of the file; with a line break it could not be kept.
  if (HasLineBreak(name)) {
    m_leftOut.push_back(path);
    return;
  }
  // Known only by exactly this name: the comparison lookups use.
  if (Entries().FindFile(name) >= 0) return;
  MediaEntry entry = MakeRecord(name);
  entry.m_strName = name;
  Entries().Add(entry);
  if (WindowExists()) m_pWindow->AppendItem(ScreenText(name));
}

void CDictionaryDlg::ScanFolder(const std::string& folder) {
  fsys::FolderIdentity identity;
  std::vector<std::string> names;
  if (!fsys::GetFolderIdentity(folder, identity) || !fsys::ListFolder(folder, names)) return;
  if (!m_enteredFolders.insert(identity).second) return;
  ++m_nScanDepth;
  for (std::size_t i = 0; i < names.size(); ++i) {
    // Keeps every window painting and answering while a large tree is read.
    if (i > 0) QCoreApplication::processEvents();
    AddFile(JoinPath(folder, names[i]));
  }
  if (--m_nScanDepth == 0) m_enteredFolders.clear();
}

bool CDictionaryDlg::WindowExists() const { return m_pWindow != nullptr; }
CDictionaryWindow* CDictionaryDlg::Window() const { return m_pWindow; }
