#include "text_list_model.h"

#include <iterator>
#include <utility>

namespace {

// More separate runs of rows than this are removed by rebuilding the list
// at once; fewer are removed run by run, which keeps the view's place.
constexpr std::size_t kRunLimit = 32;

struct RowRun {
  int first;
  int last;
};

std::vector<RowRun> Runs(const std::vector<int>& ascending) {
  std::vector<RowRun> runs;
  for (const int row : ascending) {
    if (!runs.empty() && runs.back().last + 1 == row) {
      runs.back().last = row;
    } else {
      runs.push_back({row, row});
    }
  }
  return runs;
}

}  // namespace

int CTextListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_texts.size());
}

QVariant CTextListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return Text(index.row());
}

void CTextListModel::SetTexts(std::vector<QString> texts) {
  beginResetModel();
  m_texts = std::move(texts);
  endResetModel();
}

void CTextListModel::Append(const QString& text) { Insert(rowCount(), text); }

void CTextListModel::AppendTexts(std::vector<QString> texts) {
  if (texts.empty()) return;
  const int first = rowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(texts.size()) - 1);
  m_texts.insert(m_texts.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
  endInsertRows();
}

void CTextListModel::Insert(int row, const QString& text) {
  beginInsertRows(QModelIndex(), row, row);
  m_texts.insert(m_texts.begin() + row, text);
  endInsertRows();
}

void CTextListModel::Remove(int row) {
  beginRemoveRows(QModelIndex(), row, row);
  m_texts.erase(m_texts.begin() + row);
  endRemoveRows();
}

void CTextListModel::RemoveRows(const std::vector<int>& ascending) {
  const std::vector<RowRun> runs = Runs(ascending);
  if (runs.size() <= kRunLimit) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
      beginRemoveRows(QModelIndex(), run->first, run->last);
      m_texts.erase(m_texts.begin() + run->first, m_texts.begin() + run->last + 1);
      endRemoveRows();
    }
    return;
  }
  std::vector<QString> kept;
  kept.reserve(m_texts.size() - ascending.size());
  std::size_t next = 0;
  for (std::size_t row = 0; row < m_texts.size(); ++row) {
    if (next < ascending.size() && static_cast<std::size_t>(ascending[next]) == row) {
      ++next;
    } else {
      kept.push_back(std::move(m_texts[row]));
    }
  }
  SetTexts(std::move(kept));
}

void CTextListModel::Reorder(const std::vector<int>& order) {
  emit layoutAboutToBeChanged();
  std::vector<int> newRowOf(order.size());
  std::vector<QString> moved(order.size());
  for (std::size_t row = 0; row < order.size(); ++row) {
    const auto from = static_cast<std::size_t>(order[row]);
    newRowOf[from] = static_cast<int>(row);
    moved[row] = std::move(m_texts[from]);
  }
  m_texts = std::move(moved);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before) {
    after.append(this->index(newRowOf[static_cast<std::size_t>(index.row())]));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged();
}
