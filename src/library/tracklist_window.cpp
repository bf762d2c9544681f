#include "tracklist_window.h"

#include <array>

#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolTip>

#include "dialog_units.h"
#include "list_selection.h"
#include "screen_text.h"
#include "tracklist_dlg.h"
#include "tracklist_ids.h"
#include "tracklist_layout.h"
#include "window_support.h"

namespace {

using tracklist_layout::ControlKind;
using tracklist_layout::ControlTemplate;

const char* const kControlIdProperty = "controlId";

struct SortItem {
  int command;
  const char* text;
};
constexpr std::array<SortItem, 6> kSortItems = {{
    {ID_SORT_FULLPATH, "Fullpath"},
    {ID_SORT_PATH, "Path"},
    {ID_SORT_NAME, "Name"},
    {ID_SORT_GENRE, "Genre"},
    {ID_SORT_SOURCE, "Source"},
    {ID_SORT_ARTIST, "Artist"},
}};

QString KindText(int kind) {
  switch (kind) {
    case 1: return QStringLiteral("AUD");
    case 2: return QStringLiteral("VID");
    default: return QString();
  }
}

QString OriginText(int origin) {
  switch (origin) {
    case 1: return QStringLiteral("DIC");
    case 2: return QStringLiteral("INF");
    case 3: return QStringLiteral("ID3");
    default: return QString();
  }
}

// The template was drawn for a small 8-point font; 11 pixels fit its 16-pixel
// fields and buttons whatever the desktop's font size.
QFont TemplateFont(QFont font) {
  font.setPixelSize(11);
  return font;
}

}  // namespace

CTracklistWindow::CTracklistWindow(CTracklistDlg& owner, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_owner(owner) {
  setObjectName(QStringLiteral("IDD_TRACKLIST"));
  setWindowTitle(QStringLiteral("Tracklist"));
  setFont(TemplateFont(font()));
  setModal(false);
  resize(dialog_units::ToPixels(QSize(tracklist_layout::kWidth, tracklist_layout::kHeight)));
  BuildControls();
  BuildSortMenu();
  setAcceptDrops(true);
}

CTracklistWindow::~CTracklistWindow() = default;

void CTracklistWindow::BuildControls() {
  for (std::size_t i = 0; i < tracklist_layout::kControls.size(); ++i) {
    const ControlTemplate& control = tracklist_layout::kControls[i];
    QWidget* widget = BuildControl(static_cast<int>(i));
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(dialog_units::ToPixels(control.x, control.y, control.width, control.height));
    widget->setProperty(kControlIdProperty, control.id);
    widget->installEventFilter(this);
    m_controls[control.id] = widget;
  }
  // Tooltip requests over the list's lines come to its viewport.
  m_pList->viewport()->setProperty(kControlIdProperty, static_cast<int>(IDC_TL_LIST));
  m_pList->viewport()->installEventFilter(this);
}

QWidget* CTracklistWindow::BuildControl(int index) {
  const ControlTemplate& control = tracklist_layout::kControls[static_cast<std::size_t>(index)];
  switch (control.kind) {
    case ControlKind::Field: {
      auto* field = new QLabel(QString::fromLatin1(control.text), this);
      field->setTextFormat(Qt::PlainText);
      field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      field->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
      return field;
    }
    case ControlKind::List: {
      m_pList = m_items.CreateList(this);
      m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      connect(m_pList, &QListView::doubleClicked, this, [this] { m_owner.OnSelect(); });
      connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
              &CTracklistWindow::OnUserSelectionChange);
      connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
              &CTracklistWindow::OnUserSelectionChange);
      return m_pList;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(QString::fromLatin1(control.text), this);
      ConnectButton(button, control.id);
      return button;
    }
  }
  return nullptr;
}

void CTracklistWindow::ConnectButton(QPushButton* button, int id) {
  switch (id) {
    case IDC_TL_SELECT:
      button->setDefault(true);
      connect(button, &QPushButton::clicked, this, [this] { m_owner.OnSelect(); });
      break;
    case IDC_TL_FOCUS: connect(button, &QPushButton::clicked, this, [this] { m_owner.OnFocus(); }); break;
    case IDC_TL_SORT:
      connect(button, &QPushButton::clicked, this, [this] { m_pSortMenu->popup(QCursor::pos()); });
      break;
    case IDC_TL_ADD: connect(button, &QPushButton::clicked, this, [this] { m_owner.OnAdd(); }); break;
    case IDC_TL_DELETE: connect(button, &QPushButton::clicked, this, [this] { m_owner.OnDelete(); }); break;
    case IDC_TL_RESCAN: connect(button, &QPushButton::clicked, this, [this] { m_owner.OnRescan(); }); break;
    case IDC_TL_CLOSE: connect(button, &QPushButton::clicked, this, &QDialog::reject); break;
    default: break;
  }
}

void CTracklistWindow::BuildSortMenu() {
  m_pSortMenu = new QMenu(this);
  m_pSortMenu->setObjectName(QStringLiteral("m_sortMenu"));
  for (const SortItem& item : kSortItems) {
    QAction* action = m_pSortMenu->addAction(QString::fromLatin1(item.text));
    const int command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { m_owner.OnSortCommand(command); });
  }
}

QLabel* CTracklistWindow::Field(int id) const {
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : qobject_cast<QLabel*>(found->second);
}

// A drop or a load adds its tracks one by one while dispatching events.
void CTracklistWindow::AppendItem(const std::string& text) { m_items.AppendBatched(ScreenText(text)); }

void CTracklistWindow::InsertItem(int index, const std::string& text) { m_items.Insert(index, ScreenText(text)); }

void CTracklistWindow::DeleteItem(int index) { m_items.Remove(index); }

void CTracklistWindow::SetItemSelected(int index, bool selected) { m_items.SetSelected(index, selected); }

std::vector<int> CTracklistWindow::SelectedIndexes() const { return m_items.SelectedRows(); }

void CTracklistWindow::SetItems(std::vector<QString> texts) { m_items.SetTexts(std::move(texts)); }

void CTracklistWindow::RemoveItems(const std::vector<int>& ascending) { m_items.RemoveRows(ascending); }

void CTracklistWindow::ReorderItems(const std::vector<int>& order) { m_items.Reorder(order); }

int CTracklistWindow::CaretIndex() const { return m_items.CaretRow(); }

QListView& CTracklistWindow::List() const {
  m_items.ShowBatched();
  return *m_pList;
}

void CTracklistWindow::ShowTrackInfo() {
  const int caret = CaretIndex();
  if (caret < 0) return;
  const MediaEntry track = m_owner.GetTrack(caret);
  Field(IDC_TL_PATH)->setText(ScreenText(track.m_strFile));
  Field(IDC_TL_ARTIST)->setText(ScreenText(track.m_strArtist));
  Field(IDC_TL_SOURCE)->setText(ScreenText(track.m_strSource));
  Field(IDC_TL_GENRE)->setText(ScreenText(track.m_strGenre));
  Field(IDC_TL_DATE)->setText(ScreenText(track.m_strDate));
  Field(IDC_TL_COMMENT)->setText(ScreenText(track.m_strComment));
  Field(IDC_TL_KIND)->setText(KindText(track.m_nKind));
  Field(IDC_TL_ORIGIN)->setText(OriginText(track.m_nOrigin));
}

void CTracklistWindow::OnUserSelectionChange() {
  if (!m_items.ProgramIsChanging()) ShowTrackInfo();
}

void CTracklistWindow::done(int) { m_owner.CloseWindow(); }

bool CTracklistWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const int id = watched->property(kControlIdProperty).toInt();
    const QString text = m_owner.ToolTipText(id);
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, qobject_cast<QWidget*>(watched));
    }
    return true;
  }
  if (watched == m_pList && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    m_owner.RemoveSelected();  // and then the list's own handling of the key
  }
  return QDialog::eventFilter(watched, event);
}

void CTracklistWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOut(width(), height());
  KeepMinimumSize();
}

void CTracklistWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  KeepMinimumSize();
}

void CTracklistWindow::LayOut(int cx, int cy) {
  for (const auto& [id, widget] : m_controls) {
    widget->setGeometry(tracklist_layout::PlaceControl(id, widget->geometry(), cx, cy));
  }
  update();
}

// The smallest size counts the window manager's frame, which is known only
// once the window is on screen.
void CTracklistWindow::KeepMinimumSize() {
  const QSize frame = frameGeometry().size() - size();
  setMinimumSize(tracklist_layout::kMinimumWindow - frame);
}

void CTracklistWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPaths(*event->mimeData()).empty()) event->acceptProposedAction();
}

void CTracklistWindow::dropEvent(QDropEvent* event) {
  const DropList drop = DroppedPaths(*event->mimeData());
  if (drop.empty()) return;
  event->acceptProposedAction();
  // Handled once the drop has ended, by the owner: a long scan must not hold
  // up the program the files came from, and the window may close meanwhile.
  CTracklistDlg* owner = &m_owner;
  QMetaObject::invokeMethod(owner, [owner, drop] { owner->OnDropFiles(drop); }, Qt::QueuedConnection);
}
