#include "list_selection.h"

#include <algorithm>

#include <QItemSelectionModel>
#include <QListView>

namespace list_selection {

std::vector<int> SelectedRows(const QListView& list) {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : list.selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

int CaretRow(const QListView& list) {
  const QModelIndex caret = list.selectionModel()->currentIndex();
  return caret.isValid() ? caret.row() : -1;
}

bool SelectRow(QListView& list, int row) {
  const QModelIndex index = list.model()->index(row, 0);
  if (row < 0 || !index.isValid()) return false;
  list.selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
  list.scrollTo(index);
  return true;
}

void UnselectRow(QListView& list, int row) {
  QItemSelectionModel& selection = *list.selectionModel();
  if (row < 0) {
    selection.clearSelection();
    return;
  }
  const QModelIndex index = list.model()->index(row, 0);
  if (index.isValid()) selection.select(index, QItemSelectionModel::Deselect);
}

void EnsureCaret(QListView& list) {
  if (CaretRow(list) >= 0 || list.model()->rowCount() == 0) return;
  list.selectionModel()->setCurrentIndex(list.model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

}  // namespace list_selection
