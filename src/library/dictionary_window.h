#pragma once

#include "program_edited_list.h"

#include <map>
#include <vector>

#include <QDialog>

class CDictionaryDlg;
class QLineEdit;
class QListView;

// The window of CDictionaryDlg: the list of keys, the six edit fields and
// the Sort, Delete and Close buttons. It shows what its owner tells it and
// hands every command back to the owner; the dictionary lives in the owner.
// Selection changes made by the program are not reported as the user's.
class CDictionaryWindow : public QDialog {
  Q_OBJECT

 public:
  CDictionaryWindow(CDictionaryDlg& owner, QWidget* parent);
  ~CDictionaryWindow() override;

  QLineEdit* Edit(int id) const;
  QListView& List() const { return *m_pList; }

  void SetItems(std::vector<QString> texts);
  void AppendItem(const QString& text);
  void RemoveItems(const std::vector<int>& ascending);
  void ReorderItems(const std::vector<int>& order);
  // Unselects every line.
  void ClearSelection();
  std::vector<int> SelectedIndexes() const;
  int CaretIndex() const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:

  QWidget* BuildControl(int index);
  void OnUserSelectionChange();

  CDictionaryDlg& m_owner;
  QListView* m_pList = nullptr;
  std::map<int, QWidget*> m_controls;  // by control id
  ProgramEditedList m_items;  // edits of the list made by the program
};
