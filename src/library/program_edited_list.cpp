#include "program_edited_list.h"

#include <utility>

#include <QListView>

#include "list_selection.h"
#include "text_list_model.h"

// Marks the edits of the program while it lives.
class ProgramEditedList::Change {
 public:
  explicit Change(ProgramEditedList& list) : m_list(list) { ++m_list.m_nChanges; }
  ~Change() { --m_list.m_nChanges; }
  Change(const Change&) = delete;
  Change& operator=(const Change&) = delete;

 private:
  ProgramEditedList& m_list;
};

QListView* ProgramEditedList::CreateList(QWidget* parent) {
  m_pModel = new CTextListModel(parent);
  m_pList = new QListView(parent);
  m_pList->setModel(m_pModel);
  m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Every line is one line of text: the view need not measure each.
  m_pList->setUniformItemSizes(true);
  m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return m_pList;
}

void ProgramEditedList::SetTexts(std::vector<QString> texts) {
  Change change(*this);
  m_pModel->SetTexts(std::move(texts));
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Append(const QString& text) {
  Change change(*this);
  m_pModel->Append(text);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Insert(int row, const QString& text) {
  Change change(*this);
  m_pModel->Insert(row, text);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Remove(int row) {
  Change change(*this);
  m_pModel->Remove(row);
}

void ProgramEditedList::RemoveRows(const std::vector<int>& ascending) {
  Change change(*this);
  m_pModel->RemoveRows(ascending);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Reorder(const std::vector<int>& order) {
  Change change(*this);
  m_pModel->Reorder(order);
}

void ProgramEditedList::SetSelected(int row, bool selected) {
  Change change(*this);
  if (selected) {
    list_selection::SelectRow(*m_pList, row);
  } else {
    list_selection::UnselectRow(*m_pList, row);
  }
}

std::vector<int> ProgramEditedList::SelectedRows() const { return list_selection::SelectedRows(*m_pList); }

int ProgramEditedList::CaretRow() const { return list_selection::CaretRow(*m_pList); }
