#include "color_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "color_dlg.h"
#include "dialog_units.h"
#include "settings_table.h"

namespace {

constexpr int kWidthDu = 125;
constexpr int kHeightDu = 63;
// A closed drop-down list shows one line; its list drops below.
constexpr int kListLineDu = 12;
constexpr int kVisibleItems = 6;
constexpr int kTextBuffer = 80;  // characters, with the terminating one

struct ComponentRow {
  const char* label;
  int labelY;
  int sliderId;
  const char* sliderName;
  const char* sliderTip;
  int editId;
  const char* editName;
  const char* editTip;
  int controlY;
};

// In component order: red, green, blue.
constexpr std::array<ComponentRow, 3> kRows = {{
    {"R", 19, IDC_SLIDER_RED, "IDC_SLIDER_RED", "Red slider", IDC_EDIT_RED, "IDC_EDIT_RED", "Red value", 18},
    {"G", 35, IDC_SLIDER_GREEN, "IDC_SLIDER_GREEN", "Green slider", IDC_EDIT_GREEN, "IDC_EDIT_GREEN", "Green value",
     34},
    {"B", 51, IDC_SLIDER_BLUE, "IDC_SLIDER_BLUE", "Blue slider", IDC_EDIT_BLUE, "IDC_EDIT_BLUE", "Blue value", 49},
}};

// The template was drawn for a small 8-point font; 11 pixels fit its fields.
QFont TemplateFont(QFont font) {
  font.setPixelSize(11);
  return font;
}

// A slider's action as the request the owner understands; the slider's
// position is already the one the action leads to.
ScrollRequest RequestOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollRequest::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollRequest::LineRight;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollRequest::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollRequest::PageRight;
    case QAbstractSlider::SliderToMinimum:
      return ScrollRequest::Left;
    case QAbstractSlider::SliderToMaximum:
      return ScrollRequest::Right;
    case QAbstractSlider::SliderMove:
      return ScrollRequest::ThumbTrack;
    default:
      return ScrollRequest::EndScroll;
  }
}

}  // namespace

CColorWindow::CColorWindow(CColorDlg& owner, QWidget* parent) : QDialog(parent, Qt::Tool), m_owner(owner) {
  setObjectName(QStringLiteral("IDD_COLOR"));
  setWindowTitle(QStringLiteral("Color settings"));
  setFont(TemplateFont(font()));
  setFixedSize(dialog_units::ToPixels(QSize(kWidthDu, kHeightDu)));
  BuildList();
  m_pOk = new QPushButton(QStringLiteral("OK"), this);
  m_pOk->setObjectName(QStringLiteral("IDOK"));
  m_pOk->setGeometry(dialog_units::ToPixels(102, 2, 21, 12));
  m_pOk->setToolTip(QStringLiteral("A-OK!"));
  m_pOk->setDefault(true);
  connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
  for (ColorComponent component : {ColorComponent::Red, ColorComponent::Green, ColorComponent::Blue}) {
    BuildRow(component);
  }
}

void CColorWindow::BuildList() {
  m_pList = new QComboBox(this);
  m_pList->setObjectName(QStringLiteral("IDC_ELEMENT_LIST"));
  m_pList->setGeometry(dialog_units::ToPixels(2, 2, 96, kListLineDu));
  m_pList->setToolTip(QStringLiteral("List of items"));
  // A list that drops below the field, a few lines high, as the template
  // draws it, rather than a menu laid over the window.
  m_pList->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  m_pList->setMaxVisibleItems(kVisibleItems);
  for (const settings_table::ColorElement& element : settings_table::kColorElements) {
    m_pList->addItem(QString::fromLatin1(element.listText));
  }
  // Connected once filled: filling selects item 0, which is no choice.
  connect(m_pList, &QComboBox::currentIndexChanged, this, [this](int index) { m_owner.OnSelChange(index); });
}

void CColorWindow::BuildRow(ColorComponent component) {
  const ComponentRow& row = kRows[Index(component)];
  auto* label = new QLabel(QString::fromLatin1(row.label), this);
  label->setGeometry(dialog_units::ToPixels(2, row.labelY, 6, 8));

  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(QString::fromLatin1(row.sliderName));
  slider->setGeometry(dialog_units::ToPixels(9, row.controlY, 92, 12));
  slider->setToolTip(QString::fromLatin1(row.sliderTip));
  slider->setTickPosition(QSlider::NoTicks);
  slider->setRange(0, kComponentMax);
  slider->setPageStep(kComponentPage);
  slider->setSingleStep(1);
  connect(slider, &QAbstractSlider::actionTriggered, this,
          [this, component](int action) { OnSliderAction(component, action); });
  m_sliders[Index(component)] = slider;

  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(row.editName));
  edit->setGeometry(dialog_units::ToPixels(101, row.controlY, 22, 12));
  edit->setToolTip(QString::fromLatin1(row.editTip));
  edit->setMaxLength(kTextBuffer - 1);
  // Every change counts, the program's own too: that is how a slider's value
  // reaches the colour.
  connect(edit, &QLineEdit::textChanged, this,
          [this, component](const QString& text) { m_owner.OnEditChange(component, text); });
  m_edits[Index(component)] = edit;
}

void CColorWindow::OnSliderAction(ColorComponent component, int action) {
  QSlider& slider = Slider(component);
  m_owner.OnHScroll(component, RequestOf(action), slider.sliderPosition());
}

void CColorWindow::ShowComponent(ColorComponent component, int value) {
  QLineEdit& edit = Edit(component);
  const QString text = QString::number(value);
  // An unchanged text would not notify; the value must still go through.
  if (edit.text() == text) {
    m_owner.OnEditChange(component, text);
  } else {
    edit.setText(text);
  }
}

void CColorWindow::done(int result) {
  m_owner.OnClose(result == QDialog::Accepted);
  QDialog::done(result);
  deleteLater();
}
