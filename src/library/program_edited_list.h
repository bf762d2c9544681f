#pragma once

#include <memory>
#include <vector>

#include <QString>

class CTextListModel;
class QListView;
class QTimer;
class QWidget;

// A window's list of texts as the program edits it. Every edit made here
// counts as the program's, so the window can tell them from the user's own
// selection changes (ProgramIsChanging), and each edit that can leave the list
// without a caret line gives it one again.
//
// Lines added with AppendBatched are the list's at once but reach the view in
// batches: see AppendBatched. Every other operation, reads included, hands the
// held lines to the view first, so rows, selection and caret are always those
// of every line added so far.
class ProgramEditedList {
 public:
  ProgramEditedList();
  ~ProgramEditedList();
  ProgramEditedList(const ProgramEditedList&) = delete;
  ProgramEditedList& operator=(const ProgramEditedList&) = delete;

  // Makes the list control in parent: many lines, any number selected, none
  // editable, the vertical scroll bar always shown.
  QListView* CreateList(QWidget* parent);

  void SetTexts(std::vector<QString> texts);
  void Append(const QString& text);
  // Append for a long run of lines added with events dispatched in between
  // (a folder scan). Told of each line alone, the view lays out all its
  // lines and repaints after every one, so the time per line would grow with
  // the list. The held lines are shown together kBatchInterval after the
  // first of them, or as soon as the program waits for events, whichever
  // comes first.
  void AppendBatched(const QString& text);
  void Insert(int row, const QString& text);
  void Remove(int row);
  void RemoveRows(const std::vector<int>& ascending);
  void Reorder(const std::vector<int>& order);
  // row -1 with selected false clears the whole selection.
  void SetSelected(int row, bool selected);

  std::vector<int> SelectedRows() const;
  int CaretRow() const;
  bool ProgramIsChanging() const { return m_nChanges > 0; }
  // Hands the lines AppendBatched holds to the view. Const because the lines
  // are already the list's: only the view learns of them.
  void ShowBatched() const;

  // Long enough that laying out and painting a list of any length costs
  // little beside the scan, short enough that the list visibly grows.
  static constexpr int kBatchInterval = 100;  // milliseconds

 private:
  class Change;

  CTextListModel* m_pModel = nullptr;
  QListView* m_pList = nullptr;
  mutable int m_nChanges = 0;
  mutable std::vector<QString> m_batched;  // added, not yet in the model
  std::unique_ptr<QTimer> m_pBatchTimer;   // made by the first AppendBatched
};
