#include "program_edited_list.h"

#include <utility>

#include <QAbstractEventDispatcher>
#include <QListView>
#include <QTimer>

#include "list_selection.h"
#include "text_list_model.h"

// Marks the edits of the program while it lives.
class ProgramEditedList::Change {
 public:
  explicit Change(const ProgramEditedList& list) : m_list(list) { ++m_list.m_nChanges; }
  ~Change() { --m_list.m_nChanges; }
  Change(const Change&) = delete;
  Change& operator=(const Change&) = delete;

 private:
  const ProgramEditedList& m_list;
};

ProgramEditedList::ProgramEditedList() = default;
ProgramEditedList::~ProgramEditedList() = default;

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
  m_batched.clear();  // replaced with the rest
  m_pModel->SetTexts(std::move(texts));
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Append(const QString& text) {
  ShowBatched();
  Change change(*this);
  m_pModel->Append(text);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::AppendBatched(const QString& text) {
  if (!m_pBatchTimer) {
    // Owned here, so neither the timer nor the connection outlives the list.
    m_pBatchTimer = std::make_unique<QTimer>();
    m_pBatchTimer->setSingleShot(true);
    m_pBatchTimer->setInterval(kBatchInterval);
    QObject::connect(m_pBatchTimer.get(), &QTimer::timeout, [this] { ShowBatched(); });
    // A scan dispatches events without waiting for them; once the program
    // waits, the scan (or the load, or the Add) has ended.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
      QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_pBatchTimer.get(),
                       [this] { ShowBatched(); });
    }
  }
  if (m_batched.empty()) m_pBatchTimer->start();
  m_batched.push_back(text);
}

void ProgramEditedList::ShowBatched() const {
  if (m_batched.empty()) return;
  Change change(*this);
  m_pBatchTimer->stop();
  m_pModel->AppendTexts(std::exchange(m_batched, {}));
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Insert(int row, const QString& text) {
  ShowBatched();
  Change change(*this);
  m_pModel->Insert(row, text);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Remove(int row) {
  ShowBatched();
  Change change(*this);
  m_pModel->Remove(row);
}

void ProgramEditedList::RemoveRows(const std::vector<int>& ascending) {
  ShowBatched();
  Change change(*this);
  m_pModel->RemoveRows(ascending);
  list_selection::EnsureCaret(*m_pList);
}

void ProgramEditedList::Reorder(const std::vector<int>& order) {
  ShowBatched();
  Change change(*this);
  m_pModel->Reorder(order);
}

void ProgramEditedList::SetSelected(int row, bool selected) {
  ShowBatched();
  Change change(*this);
  if (selected) {
    list_selection::SelectRow(*m_pList, row);
  } else {
    list_selection::UnselectRow(*m_pList, row);
  }
}

std::vector<int> ProgramEditedList::SelectedRows() const {
  ShowBatched();
  return list_selection::SelectedRows(*m_pList);
}

int ProgramEditedList::CaretRow() const {
  ShowBatched();
  return list_selection::CaretRow(*m_pList);
}
