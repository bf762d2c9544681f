#include "dictionary_window.h"

#include <limits>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>

#include "dialog_units.h"
#include "dictionary_dlg.h"
#include "dictionary_layout.h"
#include "fitted_font.h"
#include "list_selection.h"
#include "window_support.h"

namespace {

using dictionary_layout::ControlKind;
using dictionary_layout::ControlTemplate;

// The template was drawn for a small 8-point font; 11 pixels fit its fields.
QFont TemplateFont(QFont font) {
  font.setPixelSize(11);
  return font;
}

// The labels beside the fields have little room; with a wide desktop font
// they get a smaller size rather than lose letters.
QFont LabelFont(const QFont& base) {
  QList<TextInWidth> labels;
  for (const ControlTemplate& control : dictionary_layout::kControls) {
    if (control.kind != ControlKind::Label) continue;
    const QRect rect = dialog_units::ToPixels(control.x, control.y, control.width, control.height);
    labels.append({QString::fromLatin1(control.text), rect.width()});
  }
  return FitFontToWidths(base, labels, 8.5, 6.5);
}

}  // namespace

CDictionaryWindow::CDictionaryWindow(CDictionaryDlg& owner, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_owner(owner) {
  setObjectName(QStringLiteral("IDD_DICTIONARY"));
  setWindowTitle(QStringLiteral("Mapping Dictionary"));
  setFont(TemplateFont(font()));
  setModal(false);
  setFixedSize(dialog_units::ToPixels(QSize(dictionary_layout::kWidth, dictionary_layout::kHeight)));
  for (std::size_t i = 0; i < dictionary_layout::kControls.size(); ++i) {
    const ControlTemplate& control = dictionary_layout::kControls[i];
    QWidget* widget = BuildControl(static_cast<int>(i));
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(dialog_units::ToPixels(control.x, control.y, control.width, control.height));
    widget->setToolTip(QString::fromLatin1(control.toolTip));
    if (control.id >= 0) m_controls[control.id] = widget;
  }
  setAcceptDrops(true);
}

CDictionaryWindow::~CDictionaryWindow() = default;

QWidget* CDictionaryWindow::BuildControl(int index) {
  const ControlTemplate& control = dictionary_layout::kControls[static_cast<std::size_t>(index)];
  switch (control.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(QString::fromLatin1(control.text), this);
      label->setFont(LabelFont(font()));
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(this);
      edit->setMaxLength(std::numeric_limits<int>::max());
      // Files dropped on a field go to the window, not into the text.
      edit->setAcceptDrops(false);
      return edit;
    }
    case ControlKind::List: {
      m_pList = m_items.CreateList(this);
      m_pList->installEventFilter(this);
      connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
              &CDictionaryWindow::OnUserSelectionChange);
      return m_pList;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(QString::fromLatin1(control.text), this);
      if (control.id == IDC_DIC_SORT) connect(button, &QPushButton::clicked, this, [this] { m_owner.OnSort(); });
      if (control.id == IDC_DIC_DELETE) connect(button, &QPushButton::clicked, this, [this] { m_owner.OnDelete(); });
      if (control.id == IDC_DIC_CLOSE) {
        button->setDefault(true);
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
      }
      return button;
    }
  }
  return nullptr;
}

QLineEdit* CDictionaryWindow::Edit(int id) const {
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : qobject_cast<QLineEdit*>(found->second);
}

void CDictionaryWindow::SetItems(std::vector<QString> texts) { m_items.SetTexts(std::move(texts)); }

void CDictionaryWindow::AppendItem(const QString& text) { m_items.Append(text); }

void CDictionaryWindow::RemoveItems(const std::vector<int>& ascending) { m_items.RemoveRows(ascending); }

void CDictionaryWindow::ReorderItems(const std::vector<int>& order) { m_items.Reorder(order); }

void CDictionaryWindow::ClearSelection() { m_items.SetSelected(-1, false); }

std::vector<int> CDictionaryWindow::SelectedIndexes() const { return m_items.SelectedRows(); }

int CDictionaryWindow::CaretIndex() const { return m_items.CaretRow(); }

void CDictionaryWindow::OnUserSelectionChange() {
  if (!m_items.ProgramIsChanging()) m_owner.OnSelChange();
}

void CDictionaryWindow::done(int) { m_owner.CloseWindow(); }

bool CDictionaryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pList && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    m_owner.DeleteSelection();  // and then the list's own handling of the key
  }
  return QDialog::eventFilter(watched, event);
}

void CDictionaryWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPaths(*event->mimeData()).empty()) event->acceptProposedAction();
}

void CDictionaryWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> drop = DroppedPaths(*event->mimeData());
  if (drop.empty()) return;
  event->acceptProposedAction();
  // Handled once the drop has ended, by the owner: a folder scan must not hold
  // up the program the files came from, and the window may close meanwhile.
  CDictionaryDlg* owner = &m_owner;
  QMetaObject::invokeMethod(owner, [owner, drop] { owner->OnDropFiles(drop); }, Qt::QueuedConnection);
}
