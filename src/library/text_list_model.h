#pragma once

#include <vector>

#include <QAbstractListModel>
#include <QString>

// The lines of a list box: one text per row, in the order given, never sorted
// by the view. Built for long lists: filling, reordering and removing many
// rows are single updates of the view.
class CTextListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const QString& Text(int row) const { return m_texts[static_cast<std::size_t>(row)]; }
  // Replaces every line.
  void SetTexts(std::vector<QString> texts);
  void Append(const QString& text);
  // Adds the lines after the last one as a single insertion, which the view
  // lays out and paints once however many lines there are.
  void AppendTexts(std::vector<QString> texts);
  void Insert(int row, const QString& text);
  void Remove(int row);
  // Removes the rows at the given indexes (ascending, each once).
  void RemoveRows(const std::vector<int>& ascending);
  // Moves the lines to order (the old row of each new row); the view's
  // caret and selection stay with their lines.
  void Reorder(const std::vector<int>& order);

 private:
  std::vector<QString> m_texts;
};
