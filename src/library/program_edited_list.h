#pragma once

#include <vector>

#include <QString>

class CTextListModel;
class QListView;
class QWidget;

// A window's list of texts as the program edits it. Every edit made here
// counts as the program's, so the window can tell them from the user's own
// selection changes (ProgramIsChanging), and each edit that can leave the list
// without a caret line gives it one again.
class ProgramEditedList {
 public:
  // Makes the list control in parent: many lines, any number selected, none
  // editable, the vertical scroll bar always shown.
  QListView* CreateList(QWidget* parent);

  void SetTexts(std::vector<QString> texts);
  void Append(const QString& text);
  void Insert(int row, const QString& text);
  void Remove(int row);
  void RemoveRows(const std::vector<int>& ascending);
  void Reorder(const std::vector<int>& order);
  // row -1 with selected false clears the whole selection.
  void SetSelected(int row, bool selected);

  std::vector<int> SelectedRows() const;
  int CaretRow() const;
  bool ProgramIsChanging() const { return m_nChanges > 0; }

 private:
  class Change;

  CTextListModel* m_pModel = nullptr;
  QListView* m_pList = nullptr;
  int m_nChanges = 0;
};
