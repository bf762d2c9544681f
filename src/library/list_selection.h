#pragma once

#include <vector>

class QListView;

// The list box operations both library windows rely on, on a QListView with
// extended selection. The caret is the view's current index: the line last
// clicked or moved to.
namespace list_selection {

// Every selected row, ascending, however many there are.
std::vector<int> SelectedRows(const QListView& list);
// The caret's row, or -1 when the list has none.
int CaretRow(const QListView& list);
// Selects row (others stay selected), puts the caret on it and scrolls it
// into view. False when row is outside the list.
bool SelectRow(QListView& list, int row);
// Unselects row; -1 unselects every row. The caret stays.
void UnselectRow(QListView& list, int row);
// A list box always has a caret line once it holds lines: the first one,
// until the user moves it.
void EnsureCaret(QListView& list);

}  // namespace list_selection
