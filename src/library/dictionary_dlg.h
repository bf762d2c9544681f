#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include "dictionary_store.h"
#include "file_system.h"

class CDictionaryWindow;
class QWidget;

// The mapping dictionary (the store it derives from) and its editor, the
// "Mapping Dictionary" tool window. The object lives for the whole run and
// keeps the dictionary whether or not the window is open.
//
// The editor shows one entry at a time in six fields; what the user types
// reaches the entry when another line is selected, on Sort and on closing.
class CDictionaryDlg : public QObject, public DictionaryStore {
  Q_OBJECT

 public:
  // parent owns the window and the message boxes shown with it closed.
  explicit CDictionaryDlg(QWidget* parent, std::string filePath = kDictionaryFileName);
  ~CDictionaryDlg() override;

  // Opens the window unless it exists; it shows every key and no entry.
  void OpenWindow();
  bool WindowExists() const;
  CDictionaryWindow* Window() const;
  // Close, Enter, Escape and the close box: stores the shown entry, saves
  // the dictionary, records the position and destroys the window.
  void CloseWindow();
  // The main window's exit: stores the shown entry and the position and
  // destroys the window; the caller saves.
  void DestroyWindow();

  // The window's top left corner on the screen; it keeps its size.
  QPoint GetWindowPos() const { return m_ptWindow; }
  void SetWindowPos(QPoint pos) { m_ptWindow = pos; }

  // The window's commands.
  void OnSelChange();
  void OnSort();    // SortEntries
  void OnDelete();  // DeleteSelection, then save
  // Adds the dropped files and folders, then saves. Refused (0) while an
  // earlier drop is still being handled; 1 when handled.
  int OnDropFiles(const std::vector<std::string>& drop);

  void FillList();
  void ShowEntry();
  void StoreEntry();
  void ClearSelection();
  // Removes the selected entries (the Delete key: without saving).
  void DeleteSelection();
  // Sorts the entries by key, byte by byte, keeping equal keys in order.
  void SortEntries();
  // Adds an entry for a file unless one has exactly its name; a folder is
  // scanned instead. A name with a line break is left out, and the drop
  // tells the user.
  void AddFile(const std::string& path);
  // AddFile for every item of a folder and, through it, of its subfolders,
  // dispatching messages between items. A folder reached again through
  // links is not scanned twice.
  void ScanFolder(const std::string& folder);

  int CurrentIndex() const { return m_nCurrent; }

 private:
  static PlatformHooks MakeHooks(CDictionaryDlg* self);
  QWidget* MessageParent() const;
  void ShowTexts(const std::array<QString, 6>& texts);

  QWidget* m_pParent;
  QPointer<CDictionaryWindow> m_pWindow;
  QPoint m_ptWindow{10, 10};
  std::int32_t m_nDropGuard = 1;  // 1 when a drop may be handled
  int m_nCurrent = -1;            // the entry shown in the fields, -1 for none
  std::array<QString, 6> m_shownTexts;  // as put into the fields
  int m_nScanDepth = 0;
  std::set<fsys::FolderIdentity> m_enteredFolders;  // during the outermost scan
  std::vector<std::string> m_leftOut;  // files of this drop whose names hold a line break
};
