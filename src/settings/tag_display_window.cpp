#include "tag_display_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include "dialog_units.h"
#include "fitted_font.h"
#include "tag_display_editor.h"

namespace {

constexpr int kWidthDu = 60;
constexpr int kHeightDu = 65;

struct BoxTemplate {
  int number;  // the flag the box shows
  const char* name;
  const char* text;
  int y, width;  // dialog units; every box is 8 high at x = 2
};

// In their order on screen: "Source" stands above "Comment", although its
// flag number is the higher one.
constexpr std::array<BoxTemplate, CTagDisplayWindow::kFlagCount> kBoxes = {{
    {1, "IDC_TAG_ARTIST", "Artist", 2, 32},
    {2, "IDC_TAG_NAME", "Name", 13, 34},
    {3, "IDC_TAG_GENRE", "Genre", 24, 36},
    {4, "IDC_TAG_DATE", "Date", 35, 32},
    {6, "IDC_TAG_SOURCE", "Source", 45, 38},
    {5, "IDC_TAG_COMMENT", "Comment", 55, 46},
}};

constexpr int kOkLeftDu = 41;
constexpr int kOkBottomDu = 16;

// The template's boxes were measured for a smaller mark than desktop styles
// draw, so a box may reach as far right as nothing stands beside it: the OK
// button for the upper boxes, the window's edge below it.
QRect BoxRect(const BoxTemplate& item) {
  const int rightDu = item.y < kOkBottomDu ? kOkLeftDu - 1 : kWidthDu - 2;
  return dialog_units::ToPixels(2, item.y, std::max(item.width, rightDu - 2), 8);
}

// The template was drawn for a small 8-point font; 11 pixels fit its boxes,
// and a wide desktop font is made smaller rather than losing letters.
QFont TemplateFont(const QWidget& window) {
  QFont font = window.font();
  font.setPixelSize(11);
  const int mark = window.style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                   window.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  QList<TextInWidth> texts;
  for (const BoxTemplate& item : kBoxes) texts.append({QString::fromLatin1(item.text), BoxRect(item).width() - mark});
  const QFontMetrics metrics(font);
  const bool allFit = std::all_of(texts.begin(), texts.end(), [&metrics](const TextInWidth& item) {
    return metrics.horizontalAdvance(item.text) <= item.width;
  });
  return allFit ? font : FitFontToWidths(font, texts, 8.0, 6.0);
}

}  // namespace

CTagDisplayWindow::CTagDisplayWindow(CTagDisplayEditor& owner, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_owner(owner) {
  setObjectName(QStringLiteral("IDD_TAGDISPLAY"));
  setWindowTitle(QStringLiteral("Tag Display"));
  setFont(TemplateFont(*this));
  setFixedSize(dialog_units::ToPixels(QSize(kWidthDu, kHeightDu)));
  m_pOk = new QPushButton(QStringLiteral("OK"), this);
  m_pOk->setObjectName(QStringLiteral("IDOK"));
  m_pOk->setGeometry(dialog_units::ToPixels(41, 2, 17, 14));
  m_pOk->setDefault(true);
  connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
  for (const BoxTemplate& item : kBoxes) {
    auto* box = new QCheckBox(QString::fromLatin1(item.text), this);
    box->setObjectName(QString::fromLatin1(item.name));
    box->setGeometry(BoxRect(item));
    const int number = item.number;
    connect(box, &QCheckBox::clicked, this, [this, number] { m_owner.OnCheck(number); });
    m_boxes[static_cast<std::size_t>(number - 1)] = box;
  }
}

void CTagDisplayWindow::SetMark(int number, bool on) { Box(number).setChecked(on); }

void CTagDisplayWindow::done(int result) {
  m_owner.OnClose();
  QDialog::done(result);
  deleteLater();
}
