#include "about_dlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "launch_document.h"
#include "skin_bitmap_ids.h"
#include "skin_image.h"

namespace {

enum AboutControlId : int { IDC_ABOUT_OK = 1, IDC_WEB_LINK = 1061, IDC_MAIL_LINK = 1062 };

// The box was laid out for a small 8-point font. Our addresses are longer
// than the 110 units the link buttons were drawn with, so they reach across
// the box below the OK button.
constexpr int kFontPixels = 11;
constexpr int kLinkWidthDu = 142;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("IDD_ABOUTBOX"));
  setWindowTitle(QStringLiteral("About Velmora"));
  QFont small = font();
  small.setPixelSize(kFontPixels);
  setFont(small);
  setFixedSize(dialog_units::ToPixels(QSize(160, 74)));

  auto* icon = new QLabel(this);
  icon->setPixmap(SkinIcon().pixmap(32, 32));
  icon->setGeometry(dialog_units::ToPixels(2, 2, 20, 20));
  auto* name = new QLabel(QString::fromLatin1(kVersionText), this);
  name->setObjectName(QStringLiteral("IDC_VERSION"));
  name->setTextFormat(Qt::PlainText);
  name->setGeometry(dialog_units::ToPixels(30, 2, 51, 8));

  m_pOk = AddButton(IDC_ABOUT_OK, QStringLiteral("OK"), dialog_units::ToPixels(124, 2, 32, 14));
  m_pOk->setDefault(true);
  connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
  // Each link shows the address it opens (the web page's without its
  // scheme, so that it fits).
  m_pWeb = AddButton(IDC_WEB_LINK, QStringLiteral("URL: ") + DownloadUrl().toString(QUrl::RemoveScheme).mid(2),
                     dialog_units::ToPixels(9, 30, kLinkWidthDu, 12));
  connect(m_pWeb, &QPushButton::clicked, this, [] { LaunchDocument(DownloadUrl()); });
  m_pMail = AddButton(IDC_MAIL_LINK, QStringLiteral("E-MAIL: ") + QString::fromLatin1(kMailAddress),
                      dialog_units::ToPixels(9, 44, kLinkWidthDu, 12));
  connect(m_pMail, &QPushButton::clicked, this, [] { LaunchDocument(MailUrl()); });
}

QPushButton* CAboutDlg::AddButton(int id, const QString& text, const QRect& rect) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QStringLiteral("button%1").arg(id));
  button->setAutoDefault(false);
  button->setGeometry(rect);
  return button;
}

QUrl CAboutDlg::DownloadUrl() { return QUrl(QString::fromLatin1(kDownloadPage)); }

QUrl CAboutDlg::MailUrl() {
  return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kMailAddress) + QStringLiteral("?Subject=[Velmora]"));
}
