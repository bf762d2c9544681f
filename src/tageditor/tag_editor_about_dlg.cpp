#include "tag_editor_about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "kestrune_icon.h"
#include "tag_editor_layout.h"

using dialog_units::ToPixels;

CTagEditorAboutDlg::CTagEditorAboutDlg(QWidget* parent) : QDialog(parent) {
  const auto& about = tag_editor_layout::kAbout;
  setWindowTitle(QStringLiteral("About Kestrune"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(ToPixels(QSize(about.width, about.height)));
  if (parent) setFont(parent->font());

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
  icon->setPixmap(KestruneIcon().pixmap(32, 32));
  icon->setGeometry(QRect(ToPixels(about.iconX, about.iconY, 0, 0).topLeft(), QSize(32, 32)));

  auto* text = new QLabel(QStringLiteral("Kestrune Version 1.9"), this);
  text->setObjectName(QStringLiteral("IDC_VERSION"));
  text->setTextFormat(Qt::PlainText);
  text->setGeometry(ToPixels(about.textX, about.textY, about.textWidth, about.textHeight));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("IDOK"));
  ok->setDefault(true);
  ok->setGeometry(ToPixels(about.okX, about.okY, about.okWidth, about.okHeight));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
