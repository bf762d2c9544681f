#pragma once

#include "program_edited_list.h"

#include <map>

#include <QDialog>

#include "track_list_view.h"

class CTracklistDlg;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

// The window of CTracklistDlg: eight info fields, the list of display names,
// the buttons and the sort menu. It shows what its owner tells it and hands
// every command back to the owner; the album lives in the owner.
//
// As the album's view it keeps list line i showing track i. Selection
// changes made by the program do not refresh the info fields; those made by
// the user do. Appended lines reach the screen in batches during a scan (see
// ProgramEditedList::AppendBatched); every other operation here, List()
// included, sees them all.
class CTracklistWindow : public QDialog, public TrackListView {
  Q_OBJECT

 public:
  CTracklistWindow(CTracklistDlg& owner, QWidget* parent);
  ~CTracklistWindow() override;

  // TrackListView
  void AppendItem(const std::string& text) override;
  void InsertItem(int index, const std::string& text) override;
  void DeleteItem(int index) override;
  void RemoveAllItems() override { SetItems({}); }
  void SetItemSelected(int index, bool selected) override;
  std::vector<int> SelectedIndexes() const override;
  void ShowTrackInfo() override;

  // Replaces every line.
  void SetItems(std::vector<QString> texts);
  // Removes the lines at the given indexes (ascending).
  void RemoveItems(const std::vector<int>& ascending);
  // Moves the lines to order (the old index of each new line).
  void ReorderItems(const std::vector<int>& order);
  // The caret line, or -1 for an empty list.
  int CaretIndex() const;

  QListView& List() const;
  QMenu& SortMenu() const { return *m_pSortMenu; }
  QLabel* Field(int id) const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:

  void BuildControls();
  void BuildSortMenu();
  QWidget* BuildControl(int index);
  void ConnectButton(QPushButton* button, int id);
  void OnUserSelectionChange();
  void LayOut(int cx, int cy);
  void KeepMinimumSize();

  CTracklistDlg& m_owner;
  QListView* m_pList = nullptr;
  QMenu* m_pSortMenu = nullptr;
  std::map<int, QWidget*> m_controls;  // by control id
  ProgramEditedList m_items;  // edits of the list made by the program
};
